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
};

} // namespace ravo
