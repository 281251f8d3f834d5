// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colours.h"

#include <algorithm>
#include <cmath>

namespace ravo {

std::string Rgb::css() const {
    return "rgb(" + std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b) + ")";
}

namespace {

void setRole(Colours& c, Role role, Rgb rgb) {
    c.roles[std::size_t(role)] = rgb;
}

void setFace(Colours& c, ColourRole role, Rgb rgb) {
    c.faces[std::size_t(role)] = rgb;
}

} // namespace

const Colours& Colours::design() {
    static const Colours colours = [] {
        Colours c;
        c.ground = {192, 192, 192};
        c.roles.fill({0, 0, 0}); // outlines, rays, arrows, spirals
        setRole(c, Role::Erase, c.ground);
        setRole(c, Role::Glass, {192, 255, 192});
        setRole(c, Role::Resultant, {0, 255, 0});
        setRole(c, Role::MarkRed, {255, 0, 0});
        setRole(c, Role::MarkGreen, {0, 255, 0});
        setRole(c, Role::MarkBlue, {0, 0, 255});
        setRole(c, Role::WhiteSample, {255, 255, 255});
        c.text = {0, 0, 0};
        c.base = {255, 255, 255};
        // The classic Windows bevels.
        c.light = {255, 255, 255};
        c.midlight = {223, 223, 223};
        c.dark = {128, 128, 128};
        c.shadow = {0, 0, 0};
        setFace(c, ColourRole::Ground, c.ground);
        setFace(c, ColourRole::White, {255, 255, 255});
        setFace(c, ColourRole::RedLight, {255, 128, 128});
        setFace(c, ColourRole::GreenLight, {128, 255, 128});
        setFace(c, ColourRole::BlueLight, {192, 192, 255});
        return c;
    }();
    return colours;
}

const Colours& Colours::projector() {
    static const Colours colours = [] {
        Colours c = design();
        c.ground = {255, 255, 255};
        c.roles.fill({0, 0, 0});
        setRole(c, Role::Erase, c.ground);
        setRole(c, Role::Glass, {214, 232, 255});
        // The three marks and the resultant stay told apart by every colour vision, with
        // trichromats', protanopes', deuteranopes' and tritanopes' eyes alike (a CIEDE2000
        // difference of 22 or more between any two, after Machado's simulation at full
        // severity), and each stands out from the white ground by 3:1 or more.
        setRole(c, Role::Resultant, {0, 65, 77});
        setRole(c, Role::MarkRed, {153, 0, 0});
        setRole(c, Role::MarkGreen, {0, 168, 0});
        setRole(c, Role::MarkBlue, {58, 80, 255});
        setRole(c, Role::WhiteSample, {190, 0, 190});
        c.text = {0, 0, 0};
        c.base = {255, 255, 255};
        // The bevels' light edges in grey: white ones would vanish on the white ground,
        // and with them the top and left outlines of buttons and the scroll bar's thumb.
        c.light = {150, 150, 150};
        c.midlight = {210, 210, 210};
        c.dark = {64, 64, 64};
        c.shadow = {0, 0, 0};
        setFace(c, ColourRole::Ground, c.ground);
        return c;
    }();
    return colours;
}

namespace {

double luminance(Rgb c) {
    auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

} // namespace

double contrastRatio(Rgb a, Rgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace ravo
