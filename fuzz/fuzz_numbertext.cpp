// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the number-text parser and checks what every caller relies on.
#include "NumberText.h"
#include "SimulationRun.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool allowedCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E' ||
           c == ' ' || c == '\t';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ravo::parseNumber(text);
    if (parsed) {
        // Only the characters of a plain decimal number are ever accepted.
        for (char c : text)
            require(allowedCharacter(c));
        require(!std::isnan(*parsed));
        if (std::isfinite(*parsed)) {
            // The written text of the number reads back as the same number.
            const auto again = ravo::parseNumber(ravo::numberText(*parsed));
            require(again && *again == *parsed);
        }
    }
    // A frequency the run accepts is always a finite number.
    if (ravo::SimulationRun::frequencyUsable(text))
        require(parsed && std::isfinite(*parsed));

    // Any double, written and read back, is itself again.
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            const auto back = ravo::parseNumber(ravo::numberText(value));
            require(back && *back == value && std::signbit(*back) == std::signbit(value));
        }
    }
    return 0;
}
