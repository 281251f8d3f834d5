// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"
#include "DrawingSurface.h"

#include <array>
#include <cstdint>
#include <string>

namespace ravo {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
    // "rgb(192,192,192)", as a page's style writes it.
    std::string css() const;
};

// The colours of the picture and of the window around it.
struct Colours {
    Rgb ground;                         // the picture's and the window's ground
    std::array<Rgb, roleCount> roles;   // every role of the picture
    Rgb text;                           // captions and values
    Rgb base;                           // the inside of a text box that can be typed in
    Rgb light, midlight, dark, shadow;  // a control's bevels and frames, lightest first
    std::array<Rgb, 5> faces;           // each ColourRole's face

    Rgb of(Role role) const { return roles[std::size_t(role)]; }
    Rgb face(ColourRole role) const { return faces[std::size_t(role)]; }

    // The picture as it has always looked: a light grey ground, black lines, light-green
    // glass, a green resultant, marks in pure red, green and blue, white sample arrows;
    // the controls in the classic grey.
    static const Colours& design();
    // For a projector: a white ground, black lines, a light glass within its dark outline,
    // marks and the resultant in strong colours, and the sample arrows in a colour that
    // shows on the white ground and on the black fans alike; the controls white with dark
    // bevels.
    static const Colours& projector();
};

// The contrast ratio of two colours as WCAG 2.1 defines it: (L1 + 0.05) / (L2 + 0.05) of
// their relative luminances, the lighter first; 1 to 21.
double contrastRatio(Rgb a, Rgb b);

} // namespace ravo
