// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palette.h"

namespace ravo {

const Palette& Palette::design() {
    static const Palette palette = [] {
        Palette p;
        p.ground = QColor(192, 192, 192);
        p.roles.fill(Qt::black); // outlines, rays, arrows, spirals
        p.roles[std::size_t(Role::Erase)] = p.ground;
        p.roles[std::size_t(Role::Glass)] = QColor(192, 255, 192);
        p.roles[std::size_t(Role::Resultant)] = QColor(0, 255, 0);
        p.roles[std::size_t(Role::MarkRed)] = QColor(255, 0, 0);
        p.roles[std::size_t(Role::MarkGreen)] = QColor(0, 255, 0);
        p.roles[std::size_t(Role::MarkBlue)] = QColor(0, 0, 255);
        p.roles[std::size_t(Role::WhiteSample)] = QColor(255, 255, 255);
        return p;
    }();
    return palette;
}

} // namespace ravo
