// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colours.h"
#include "DrawingSurface.h"

#include <QColor>

#include <array>

namespace ravo {

inline QColor toQColor(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

// The colour of every role of the picture, and of the ground it is drawn on, as Qt's
// colours: the program's colours (Colours) for the painter.
struct Palette {
    QColor ground;
    std::array<QColor, roleCount> roles;
    const Colours* colours = nullptr;

    QColor of(Role role) const { return roles[std::size_t(role)]; }

    // The picture as it has always looked (Colours::design), and in colours for a
    // projector (Colours::projector).
    static const Palette& design();
    static const Palette& projector();
};

// The contrast ratio of two colours as WCAG 2.1 defines it.
double contrastRatio(const QColor& a, const QColor& b);

} // namespace ravo
