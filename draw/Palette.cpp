// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palette.h"

#include <algorithm>
#include <cmath>

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

const Palette& Palette::projector() {
    static const Palette palette = [] {
        Palette p;
        p.ground = QColor(255, 255, 255);
        p.roles.fill(Qt::black);
        p.roles[std::size_t(Role::Erase)] = p.ground;
        p.roles[std::size_t(Role::Glass)] = QColor(214, 232, 255);
        p.roles[std::size_t(Role::Resultant)] = QColor(0, 128, 0);
        p.roles[std::size_t(Role::MarkRed)] = QColor(215, 0, 0);
        p.roles[std::size_t(Role::MarkGreen)] = QColor(0, 140, 0);
        p.roles[std::size_t(Role::MarkBlue)] = QColor(0, 0, 230);
        p.roles[std::size_t(Role::WhiteSample)] = QColor(190, 0, 190);
        return p;
    }();
    return palette;
}

namespace {

double luminance(const QColor& c) {
    auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace ravo
