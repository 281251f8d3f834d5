// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Text.h"

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ravo {

// One language the program speaks: its code, its name in itself, and how it writes the
// numbers the program computes.
struct Language {
    const char* code;
    const char* name;
    const char* decimalSeparator;
};

// English first, then each translation.
std::span<const Language> languages();
// The language of a code ("cs", "de-AT", "fr_FR"); English for a code the program does
// not speak.
const Language& languageOf(std::string_view code);
// The first of a reader's languages, in order of preference, that the program speaks, by
// its full tag or its first part; English where an English one comes first or none is
// spoken.
const Language& bestLanguage(const std::vector<std::string>& wanted);

// Which plural form of a translation goes with a count, by the rules Qt Linguist uses for
// each of the program's languages; the first form is the singular.
int pluralForm(std::string_view language, int count);

// The translations of one language as data, for a face that has no translator of its own
// (the browser page): each sentence by its context, source text and note, with its forms.
class Catalog : public Translator {
public:
    explicit Catalog(std::string_view language = "en");

    const Language& language() const { return *language_; }
    void add(std::string_view context, std::string_view source, std::string_view comment,
             std::vector<std::string> forms);
    std::size_t size() const { return entries_.size(); }

    std::string translate(const char* context, const char* source, const char* comment,
                          int count) const override;
    std::string decimalSeparator() const override { return language_->decimalSeparator; }

private:
    static std::string key(std::string_view context, std::string_view source,
                           std::string_view comment);
    const Language* language_;
    std::map<std::string, std::vector<std::string>, std::less<>> entries_;
};

} // namespace ravo
