// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palette.h"

namespace ravo {

namespace {

Palette fromColours(const Colours& colours) {
    Palette p;
    p.ground = toQColor(colours.ground);
    for (std::size_t role = 0; role < roleCount; ++role)
        p.roles[role] = toQColor(colours.roles[role]);
    p.colours = &colours;
    return p;
}

} // namespace

const Palette& Palette::design() {
    static const Palette palette = fromColours(Colours::design());
    return palette;
}

const Palette& Palette::projector() {
    static const Palette palette = fromColours(Colours::projector());
    return palette;
}

double contrastRatio(const QColor& a, const QColor& b) {
    return contrastRatio(Rgb{std::uint8_t(a.red()), std::uint8_t(a.green()), std::uint8_t(a.blue())},
                         Rgb{std::uint8_t(b.red()), std::uint8_t(b.green()), std::uint8_t(b.blue())});
}

} // namespace ravo
