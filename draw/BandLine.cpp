// SPDX-License-Identifier: GPL-3.0-or-later
#include "BandLine.h"

#include "PixelSpans.h"

#include <algorithm>
#include <cmath>

namespace ravo {

namespace {

struct Point {
    double x, y;
};

// The first pixel whose centre lies beyond v: the least whole number above v - 0.5.
int firstCentreAfter(double v) {
    const double d = v - 0.5;
    const int i = int(d);
    return i - (d < i) + 1;
}

// Beyond this many pixels from the image nothing is drawn anyway; coordinates are clamped
// to it before they become whole numbers.
constexpr double far = 1 << 24;

} // namespace

void drawBandLine(QImage& image, QRgb colour, double x1, double y1, double x2, double y2,
                  double width) {
    if (!std::isfinite(x1 + y1 + x2 + y2 + width) || !(width > 0))
        return;
    const double length = std::hypot(x2 - x1, y2 - y1);
    // Along the line and across it, each half the width long.
    const double half = width / 2;
    const double ax = length > 0 ? (x2 - x1) / length * half : half;
    const double ay = length > 0 ? (y2 - y1) / length * half : 0;
    Point v[4] = {{x1 - ax - ay, y1 - ay + ax},
                  {x2 + ax - ay, y2 + ay + ax},
                  {x2 + ax + ay, y2 + ay - ax},
                  {x1 - ax + ay, y1 - ay - ax}};
    for (Point& p : v) {
        p.x = std::clamp(p.x, -far, far);
        p.y = std::clamp(p.y, -far, far);
    }
    // Top to bottom; the two corners between are the left and the right one, on either
    // side of the diagonal from the top corner to the bottom one.
    // (Corners at one height go left to right, so that for an upright rectangle the top
    // left one is the top corner and the bottom right one the bottom corner.)
    std::sort(v, v + 4, [](const Point& a, const Point& b) {
        return a.y < b.y || (a.y == b.y && a.x < b.x);
    });
    const Point top = v[0], bottom = v[3];
    const int firstRow = std::max(0, firstCentreAfter(top.y));
    const int endRow = std::min(image.height(), firstCentreAfter(bottom.y));
    if (firstRow >= endRow)
        return;
    const double diagonal = (bottom.x - top.x) / (bottom.y - top.y);
    const bool firstIsLeft = v[1].x < top.x + (v[1].y - top.y) * diagonal;
    const Point left = firstIsLeft ? v[1] : v[2];
    const Point right = firstIsLeft ? v[2] : v[1];

    // The left and the right side of the rectangle are each two edges, which meet at that
    // side's corner: down to the corner the rows follow the upper edge, from it the lower.
    struct Side {
        Point top, corner;
        double upper, lower; // x per row on either edge
        int turn;            // the first row whose centre is below the corner
        Side(const Point& t, const Point& c, const Point& bottom)
            : top(t), corner(c), upper(c.y > t.y ? (c.x - t.x) / (c.y - t.y) : 0),
              lower(bottom.y > c.y ? (bottom.x - c.x) / (bottom.y - c.y) : 0),
              turn(firstCentreAfter(c.y)) {}
        // Where the centre line of a row crosses the side, and by how much more per row.
        double at(int row) const {
            return row < turn ? top.x + (row + 0.5 - top.y) * upper
                              : corner.x + (row + 0.5 - corner.y) * lower;
        }
        double step(int row) const { return row < turn ? upper : lower; }
    };
    const Side leftSide(top, left, bottom), rightSide(top, right, bottom);

    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int columns = image.width();
    // The rows in up to three runs, between the rows where a side turns, in each of which
    // both sides are straight.
    const int turns[2] = {std::clamp(std::min(leftSide.turn, rightSide.turn), firstRow, endRow),
                          std::clamp(std::max(leftSide.turn, rightSide.turn), firstRow, endRow)};
    const int bounds[4] = {firstRow, turns[0], turns[1], endRow};
    for (int run = 0; run < 3; ++run) {
        const int first = bounds[run], end = bounds[run + 1];
        if (first >= end)
            continue;
        double l = leftSide.at(first), r = rightSide.at(first);
        const double dl = leftSide.step(first), dr = rightSide.step(first);
        for (int row = first; row < end; ++row, l += dl, r += dr) {
            // The pixels whose centres lie in (l, r]: the first is the one whose centre lies
            // beyond l, floor(l + 0.5), which for l from -0.5 on is the whole part; where r
            // lies before the picture, the whole part leaves nothing between.
            const int from = std::max(0, int(std::max(l, -0.5) + 0.5));
            const int to = std::min(columns, int(std::min(r, far) + 0.5));
            QRgb* const pixels = reinterpret_cast<QRgb*>(bits + row * stride);
            if (to - from > 16)
                fillPixels(pixels + from, to - from, colour);
            else
                for (int x = from; x < to; ++x)
                    pixels[x] = colour;
        }
    }
}

} // namespace ravo
