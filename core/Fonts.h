// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

#include <string>

namespace ravo {

// A font of the design. The layout is in pixels at 96 dpi, so the sizes are pixels:
// 8.25 pt is 11 px, 12 pt is 16 px, 14.25 pt is 19 px, 15.75 pt is 21 px. Liberation Sans
// and Serif keep the metrics of the classic sans-serif and Times faces the layout was made
// for.
struct TextFont {
    const char* family;
    int pixels;
    bool bold;
    bool serif;

    // As a page's style writes it, with the faces that stand in for it where it is missing:
    // "bold 21px "Liberation Serif", "Times New Roman", Times, serif".
    std::string css(double zoom = 1) const;
};

TextFont fontFor(FontRole role);

// The family of the point inspector's and the list of keys' texts.
inline constexpr const char* textFamily = "Liberation Sans";

} // namespace ravo
