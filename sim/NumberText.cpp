// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace ravo {

std::string numberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The power of ten of the leading digit of a well-formed unsigned number text, saturated
// far beyond the range of a double. Only its sign matters to the caller.
long decimalMagnitude(std::string_view text) {
    constexpr long limit = 1'000'000;
    long leading = 0;
    bool seenNonZero = false;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) {
        const char c = text[i];
        if (c == '.') {
            afterPoint = true;
        } else if (!seenNonZero && c != '0') {
            seenNonZero = true;
            if (afterPoint)
                --leading;
        } else if (!seenNonZero && afterPoint) {
            --leading;
        } else if (seenNonZero && !afterPoint) {
            ++leading;
        }
        if (leading < -limit)
            leading = -limit;
        if (leading > limit)
            leading = limit;
    }
    if (!seenNonZero)
        return -limit;
    long exponent = 0;
    bool negativeExponent = false;
    if (i < text.size()) {
        ++i; // the 'e'
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        for (; i < text.size(); ++i)
            exponent = exponent < limit ? exponent * 10 + (text[i] - '0') : limit;
    }
    return leading + (negativeExponent ? -exponent : exponent);
}

} // namespace

std::optional<double> parseNumber(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const std::string_view body = text.substr(begin, end - begin);

    // Check the shape first; from_chars accepts "inf", "nan" and hex forms we refuse.
    std::size_t i = 0;
    bool negative = false;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
        negative = body[i] == '-';
        ++i;
    }
    const std::size_t mantissaBegin = i;
    std::size_t digits = 0;
    while (i < body.size() && isDigit(body[i])) {
        ++i;
        ++digits;
    }
    if (i < body.size() && body[i] == '.') {
        ++i;
        while (i < body.size() && isDigit(body[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < body.size() && isDigit(body[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != body.size())
        return std::nullopt;

    // from_chars takes no leading "+"; the sign is applied by hand.
    const std::string_view unsignedPart = body.substr(mantissaBegin);
    double value = 0.0;
    const auto result =
        std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond the range of a double: infinite if the number is large, zero if tiny.
        value = decimalMagnitude(unsignedPart) > 0 ? HUGE_VAL : 0.0;
    } else if (result.ec != std::errc() ||
               result.ptr != unsignedPart.data() + unsignedPart.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace ravo
