// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"

#include <QColor>

#include <array>

namespace ravo {

// The colour of every role of the picture, and of the ground it is drawn on.
struct Palette {
    QColor ground;
    std::array<QColor, roleCount> roles;

    QColor of(Role role) const { return roles[std::size_t(role)]; }

    // The picture as it has always looked: a light grey ground, black lines, light-green
    // glass, a green resultant, marks in pure red, green and blue, white sample arrows.
    static const Palette& design();
    // For a projector: a white ground, black lines, a light glass within its dark outline,
    // marks and the resultant in strong colours, and the sample arrows in a colour that
    // shows on the white ground and on the black fans alike.
    static const Palette& projector();
};

// The contrast ratio of two colours as WCAG 2.1 defines it: (L1 + 0.05) / (L2 + 0.05) of
// their relative luminances, the lighter first; 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

} // namespace ravo
