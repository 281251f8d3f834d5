// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Marks a text for Qt's translation tools (lupdate finds it by this name) and yields it
// unchanged; the same definition as Qt's own, so that either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_NOOP3
#define QT_TRANSLATE_NOOP3(scope, x, comment) {x, comment}
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

namespace ravo {

// A number the program computed, to be written in the reader's language: its decimal
// separator, no group separators. `decimals` < 0 writes the shortest text that reads back
// as the same number.
struct Number {
    // Three significant figures, written without an exponent ("0.0001", "0.315", "85").
    static constexpr int threeFigures = -2;

    double value = 0;
    int decimals = -1;
};

class Text;

// What fills a place of a text: text as it was typed, a number, or a further sentence.
struct TextArg {
    enum class Kind { Verbatim, Number, Text } kind = Kind::Verbatim;
    std::string verbatim;
    Number number;
    std::shared_ptr<const Text> text;
};

// A text that the user reads, as the program says it: a sentence of the program's own
// (its context and English source text, as the translations know it, with a note that tells
// one English word's meanings apart), its count for the plural form (%n), and what fills
// its places %1, %2, ...: text as it was typed, numbers, or further sentences. A face
// writes it in its language through a Translator.
class Text {
public:
    using Arg = TextArg;
    // An English source text with the note that tells its meanings apart
    // (QT_TRANSLATE_NOOP3 gives one).
    struct Phrase {
        const char* source;
        const char* comment = nullptr;
    };

    Text() = default;
    Text(const char* context, const char* source, const char* comment = nullptr,
         int count = -1)
        : context_(context), source_(source), comment_(comment), count_(count) {}
    Text(const char* context, Phrase phrase, int count = -1)
        : Text(context, phrase.source, phrase.comment, count) {}
    // A text that is not translated: what the user typed, a name, a number's text.
    static Text verbatim(std::string text);
    // A number alone, in the reader's way of writing numbers.
    static Text of(Number number);

    Text& arg(std::string verbatim);
    Text& arg(const char* verbatim) { return arg(std::string(verbatim)); }
    Text& arg(Number number);
    Text& arg(int integer) { return arg(Number{double(integer), 0}); }
    Text& arg(Text text);

    const char* context() const { return context_; }
    const char* source() const { return source_; }
    const char* comment() const { return comment_; }
    int count() const { return count_; }
    bool isVerbatim() const { return !source_; }
    const std::string& verbatimText() const { return verbatim_; }
    const std::vector<Arg>& args() const { return args_; }
    bool empty() const { return !source_ && verbatim_.empty(); }

private:
    const char* context_ = nullptr;
    const char* source_ = nullptr; // null: a verbatim text
    const char* comment_ = nullptr;
    int count_ = -1;
    std::string verbatim_;
    std::vector<Arg> args_;
};

// How a face writes texts in its language: the translation of a sentence (in its plural
// form for a count), and the decimal separator of its numbers.
class Translator {
public:
    virtual ~Translator() = default;

    // The sentence in the face's language; empty where there is no translation (the
    // English source text is then written).
    virtual std::string translate(const char* context, const char* source, const char* comment,
                                  int count) const = 0;
    virtual std::string decimalSeparator() const { return "."; }

    // The text in the face's language, its places filled in one pass (so a typed "%1" stays
    // as typed).
    std::string write(const Text& text) const;
    std::string write(Number number) const;
};

// English as the source texts have it, with "." in numbers.
class EnglishTranslator : public Translator {
public:
    std::string translate(const char*, const char*, const char*, int) const override { return {}; }
};

// A number with a fixed count of decimals and ".", as "%.*f" writes it; the shortest text
// that reads back as the number for decimals -1; three significant figures for
// Number::threeFigures.
std::string fixedText(double value, int decimals);

} // namespace ravo
