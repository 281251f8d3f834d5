// SPDX-License-Identifier: GPL-3.0-or-later
#include "Text.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ravo {

Text Text::verbatim(std::string text) {
    Text t;
    t.verbatim_ = std::move(text);
    return t;
}

Text Text::of(Number number) {
    Text t(nullptr, "%1");
    t.arg(number);
    return t;
}

Text& Text::arg(std::string verbatim) {
    Arg a;
    a.kind = Arg::Kind::Verbatim;
    a.verbatim = std::move(verbatim);
    args_.push_back(std::move(a));
    return *this;
}

Text& Text::arg(Number number) {
    Arg a;
    a.kind = Arg::Kind::Number;
    a.number = number;
    args_.push_back(std::move(a));
    return *this;
}

Text& Text::arg(Text text) {
    Arg a;
    a.kind = Arg::Kind::Text;
    a.text = std::make_shared<const Text>(std::move(text));
    args_.push_back(std::move(a));
    return *this;
}

std::string fixedText(double value, int decimals) {
    if (decimals == Number::threeFigures && std::isfinite(value) && value != 0) {
        const int magnitude = int(std::floor(std::log10(std::fabs(value))));
        const int places = std::max(0, 2 - magnitude);
        std::string text = fixedText(std::round(value * std::pow(10.0, places)) / std::pow(10.0, places), places);
        if (text.find('.') != std::string::npos) {
            while (text.back() == '0')
                text.pop_back();
            if (text.back() == '.')
                text.pop_back();
        }
        return text;
    }
    if (decimals < 0)
        return numberText(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string Translator::write(Number number) const {
    std::string text = fixedText(number.value, number.decimals);
    const std::string separator = decimalSeparator();
    if (separator != ".")
        if (const auto point = text.find('.'); point != std::string::npos)
            text.replace(point, 1, separator);
    return text;
}

std::string Translator::write(const Text& text) const {
    if (text.isVerbatim())
        return text.verbatimText();
    std::string pattern =
        translate(text.context(), text.source(), text.comment(), text.count());
    if (pattern.empty())
        pattern = text.source();
    const auto& args = text.args();
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 == pattern.size()) {
            out += c;
            continue;
        }
        const char next = pattern[i + 1];
        if (next == 'n' && text.count() >= 0) {
            out += std::to_string(text.count());
            ++i;
            continue;
        }
        if (next < '1' || next > '9') {
            out += c;
            continue;
        }
        std::size_t n = std::size_t(next - '0');
        std::size_t end = i + 2;
        if (end < pattern.size() && pattern[end] >= '0' && pattern[end] <= '9' &&
            n * 10 + std::size_t(pattern[end] - '0') <= args.size()) {
            n = n * 10 + std::size_t(pattern[end] - '0');
            ++end;
        }
        if (n > args.size()) {
            out += c;
            continue;
        }
        const Text::Arg& a = args[n - 1];
        switch (a.kind) {
        case Text::Arg::Kind::Verbatim:
            out += a.verbatim;
            break;
        case Text::Arg::Kind::Number:
            out += write(a.number);
            break;
        case Text::Arg::Kind::Text:
            out += write(*a.text);
            break;
        }
        i = end - 1;
    }
    return out;
}

} // namespace ravo
