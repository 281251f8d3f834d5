// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"

#include <cctype>

namespace ravo {

namespace {

const Language all[] = {
    {"en", "English", "."},   {"cs", "Čeština", ","},  {"sk", "Slovenčina", ","},
    {"pl", "Polski", ","},    {"de", "Deutsch", ","},  {"fr", "Français", ","},
    {"es", "Español", ","},
};

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// "de-AT", "de_AT.UTF-8": "de".
std::string primary(std::string_view tag) {
    const std::string l = lower(tag);
    return l.substr(0, l.find_first_of("-_.@"));
}

} // namespace

std::span<const Language> languages() {
    return all;
}

const Language& languageOf(std::string_view code) {
    const std::string wanted = primary(code);
    for (const Language& language : all)
        if (wanted == language.code)
            return language;
    return all[0];
}

const Language& bestLanguage(const std::vector<std::string>& wanted) {
    for (const std::string& tag : wanted) {
        const std::string first = primary(tag);
        if (first == "en")
            return all[0];
        for (const Language& language : all)
            if (first == language.code)
                return language;
    }
    return all[0];
}

int pluralForm(std::string_view language, int n) {
    const std::string code = primary(language);
    if (code == "cs" || code == "sk")
        return n == 1 ? 0 : n >= 2 && n <= 4 ? 1 : 2;
    if (code == "pl")
        return n == 1                                                         ? 0
               : n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 > 20) ? 1
                                                                               : 2;
    if (code == "fr")
        return n < 2 ? 0 : 1;
    return n == 1 ? 0 : 1;
}

Catalog::Catalog(std::string_view language) : language_(&languageOf(language)) {}

std::string Catalog::key(std::string_view context, std::string_view source,
                         std::string_view comment) {
    std::string k(context);
    k += '\x04';
    k += source;
    k += '\x04';
    k += comment;
    return k;
}

void Catalog::add(std::string_view context, std::string_view source, std::string_view comment,
                  std::vector<std::string> forms) {
    if (forms.empty() || forms.front().empty())
        return;
    entries_[key(context, source, comment)] = std::move(forms);
}

std::string Catalog::translate(const char* context, const char* source, const char* comment,
                               int count) const {
    auto found = entries_.find(key(context ? context : "", source, comment ? comment : ""));
    if (found == entries_.end() && comment)
        found = entries_.find(key(context ? context : "", source, ""));
    if (found == entries_.end())
        return {};
    const auto& forms = found->second;
    if (count < 0)
        return forms.front();
    const std::size_t form = std::size_t(pluralForm(language_->code, count));
    const std::string& chosen = forms[std::min(form, forms.size() - 1)];
    return chosen.empty() ? forms.front() : chosen;
}

} // namespace ravo
