// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ravo {

// The one convention for numbers held as text: "." as decimal separator whatever the
// locale, and the shortest text that reads back as the same double. So 0.5 is "0.5",
// 0.96 is "0.96" and 1 is "1". Writing, parsing and comparing all go through here.
std::string numberText(double value);

// Reads a number by one strict rule: blanks, an optional sign, digits with an optional
// "." fraction (at least one digit in all), an optional exponent, blanks. Nothing else is
// a number. Returns no value for text that breaks the rule; the value may be infinite
// when the exponent is too large ("1e999").
std::optional<double> parseNumber(std::string_view text);

} // namespace ravo
