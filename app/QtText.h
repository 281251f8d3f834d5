// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Language.h"
#include "Text.h"

#include <QCoreApplication>
#include <QString>

#include <string_view>

namespace ravo {

// A text of the program (UTF-8: the names of controls and settings, numbers, setting
// words) for Qt.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The program's texts in the window's language: its sentences through the application's
// translators (Qt's plural rules), its numbers with the language's decimal separator.
class QtTranslator : public Translator {
public:
    void setLanguage(std::string_view code) { language_ = &languageOf(code); }
    const Language& language() const { return *language_; }

    std::string translate(const char* context, const char* source, const char* comment,
                          int count) const override {
        return QCoreApplication::translate(context, source, comment, count).toStdString();
    }
    std::string decimalSeparator() const override { return language_->decimalSeparator; }

    QString operator()(const Text& text) const { return toQString(write(text)); }
    QString operator()(Number number) const { return toQString(write(number)); }

private:
    const Language* language_ = &languageOf("en");
};

} // namespace ravo
