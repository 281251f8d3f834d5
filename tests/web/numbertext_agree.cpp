// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the program's number texts for many doubles, and what the strict parser reads
// from many texts, one a line. Built twice, natively and by emscripten for the browser
// page (whose C++ library gets its double conversions from web/compat), it must print the
// same lines in both: test_numbertext.py compares them.
#include "NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::uint64_t state = 88172645463325252ull;

std::uint64_t next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

void write(double value) {
    std::printf("%s\n", ravo::numberText(value).c_str());
}

void read(const std::string& text) {
    const auto value = ravo::parseNumber(text);
    if (value)
        std::printf("[%s] %s\n", text.c_str(), ravo::numberText(*value).c_str());
    else
        std::printf("[%s] none\n", text.c_str());
}

} // namespace

int main() {
    // The settings' values, and numbers at the edges of the notations and of the range.
    for (double v : {0.0,
                     -0.0,
                     0.5,
                     0.75,
                     1.0,
                     0.98,
                     0.96,
                     500.0,
                     450.0,
                     400.0,
                     157.0,
                     0.1,
                     0.2,
                     0.3,
                     1.0 / 3,
                     2.0 / 3,
                     1e15,
                     1e16,
                     1e20,
                     1e21,
                     1e22,
                     1e-5,
                     1e-4,
                     1.5e-7,
                     123456789012345680000.0,
                     12345678901234567.0,
                     1e300,
                     5e-324,
                     2.2250738585072014e-308,
                     1.7976931348623157e308,
                     -1234.5})
        write(v);
    // Any bit pattern that is a finite double.
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t bits = next();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v))
            write(v);
    }
    // Decimals of a few digits, as typed.
    for (int i = 0; i < 50000; ++i) {
        const std::uint64_t r = next();
        write(double(r % 100000000) / std::pow(10.0, double(r % 13)));
    }
    for (const char* text : {"1",
                             "0.5",
                             " 2 ",
                             "\t0.75\t",
                             "1.0",
                             "1e999",
                             "-1e999",
                             "1e-999",
                             "-0",
                             "1e-310",
                             "4.9e-324",
                             "2.5e-324",
                             "1e-400",
                             "abc",
                             "1.",
                             ".5",
                             "+3",
                             "1e5",
                             "1E+5",
                             "1e",
                             "e5",
                             "--1",
                             "0x10",
                             "inf",
                             "nan",
                             "1,5",
                             "",
                             " ",
                             "12345678901234567890123",
                             "0.000000000000001"})
        read(text);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t r = next();
        read(std::to_string(r % 1000000) + "." + std::to_string(r % 997) + "e" +
             std::to_string(int(r % 700) - 350));
    }
    return 0;
}
