// SPDX-License-Identifier: GPL-3.0-or-later
#include "View.h"

#include <cmath>

namespace ravo {

bool isMarkRole(Role role) {
    return role == Role::MarkRed || role == Role::MarkGreen || role == Role::MarkBlue;
}

void ViewSurface::DrawLine(float x1, float y1, float x2, float y2, Role role) {
    if (!isMarkRole(role)) {
        target_.DrawLine(x1, y1, x2, y2, role);
        return;
    }
    if (options_.hideMarks)
        return;
    // A bar: upright, from its mark down to the base line.
    if (options_.shapes && x1 == x2 && role != Role::MarkBlue) {
        bar(x1, std::min(y1, y2), std::max(y1, y2), role);
        return;
    }
    target_.DrawLine(x1, y1, x2, y2, role);
}

void ViewSurface::DrawCircle(float x, float y, float radius, Role role) {
    if (!isMarkRole(role)) {
        target_.DrawCircle(x, y, radius, role);
        return;
    }
    if (options_.hideMarks)
        return;
    if (options_.shapes && role != Role::MarkBlue && radius == 1) {
        dot(x, y, role);
        return;
    }
    target_.DrawCircle(x, y, radius, role);
}

// One row of pixels: a line one pixel wide through the middle of a row, its ends drawn
// so that it covers the pixels from `left` to `right`.
void ViewSurface::row(float left, float right, float y, Role role) {
    target_.DrawLine(left + 0.5f, y, right - 0.5f, y, role);
}

// A dot covers about a disc two pixels in radius; a square of four by four pixels, or a
// triangle five rows high and five pixels at its base, stands in the same place.
void ViewSurface::dot(float x, float y, Role role) {
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    const int width = width_;
    target_.SetPenWidth(1);
    const float top = std::floor(y) - 2;
    if (role == Role::MarkGreen) {
        for (int r = 0; r < 4; ++r)
            row(x - 2, x + 2, top + 0.5f + float(r), role);
    } else {
        for (int r = 0; r < 5; ++r) {
            const float half = 0.5f + 0.5f * float(r);
            row(x - half, x + half, top + float(r) - 0.5f + 1, role);
        }
    }
    target_.SetPenWidth(width);
}

// A bar of green light dashed, of red light dotted, from the base line up to its mark.
void ViewSurface::bar(float x, float top, float bottom, Role role) {
    if (!std::isfinite(x) || !std::isfinite(top) || !std::isfinite(bottom))
        return;
    const float on = role == Role::MarkGreen ? 6 : 2;
    const float off = role == Role::MarkGreen ? 3 : 2;
    for (float from = bottom; from > top; from -= on + off)
        target_.DrawLine(x, from, x, std::max(top, from - on), role);
}

} // namespace ravo
