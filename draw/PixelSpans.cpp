// SPDX-License-Identifier: GPL-3.0-or-later
#include "PixelSpans.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <utility>

namespace ravo {

// Copying a block of eight at a time lets the compiler use wide stores, which std::fill
// does not get at -O2: about four times faster on long lines.
void fillPixels(QRgb* line, int count, QRgb pixel) {
    constexpr int block = 8;
    QRgb eight[block];
    std::fill(eight, eight + block, pixel);
    int i = 0;
    for (; i + block <= count; i += block)
        std::memcpy(line + i, eight, sizeof eight);
    for (; i < count; ++i)
        line[i] = pixel;
}

namespace {

// Lines are learnt on a scratch image this many device pixels square, lying across it at
// bandAt and running from lowAt to highAt (plus the fraction being learnt).
constexpr int scratchSize = 64;

constexpr double bandAt = 24;
constexpr double lowAt = 16;
constexpr double highAt = 40;

// Beyond this many device pixels from the origin QPainter is left to itself.
constexpr double reach = 16384;

// The first and last pixel of each row of a line, by row.
using Spans = std::map<int, std::pair<int, int>>;

// Draws one line of a kind with QPainter on the scratch image and reads back its rows.
class Scratch {
public:
    Scratch(QImage::Format format, int scale, int width, bool vertical, bool reversed, bool halfway)
        : image_(scratchSize, scratchSize, format), scale_(scale),
          pen_(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), vertical_(vertical),
          reversed_(reversed), across_(bandAt + (halfway ? 0.5 : 0)) {}

    // The spans of the line from low to high (device pixels along it), or nothing when a
    // row is not one run of pixels.
    std::optional<Spans> draw(double low, double high) {
        image_.fill(Qt::white);
        {
            QPainter painter(&image_);
            painter.setTransform(QTransform::fromScale(scale_, scale_));
            painter.setBrush(Qt::NoBrush);
            painter.setPen(pen_);
            const double a = (reversed_ ? high : low) / scale_;
            const double b = (reversed_ ? low : high) / scale_;
            const double c = across_ / scale_;
            painter.drawLine(vertical_ ? QLineF(c, a, c, b) : QLineF(a, c, b, c));
        }
        Spans spans;
        for (int row = 0; row < scratchSize; ++row) {
            int first = -1, last = -1, count = 0;
            for (int along = 0; along < scratchSize; ++along) {
                const int x = vertical_ ? row : along, y = vertical_ ? along : row;
                const QRgb p = reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x];
                if ((p & 0xFFFFFFu) != 0xFFFFFFu) {
                    if (first < 0)
                        first = along;
                    last = along;
                    ++count;
                }
            }
            if (first < 0)
                continue;
            if (count != last - first + 1)
                return std::nullopt;
            spans[row] = {first, last};
        }
        return spans;
    }

private:
    QImage image_;
    int scale_;
    QPen pen_;
    bool vertical_, reversed_;
    double across_;
};

// Both ends are found at once: for each row, the fraction of a pixel at which its first
// pixel moves on as the lower end moves, and likewise its last pixel with the upper end.
struct Search {
    double lo, hi; // the end at lo leaves the row as at a whole pixel, at hi it has moved on
    bool open() const { return std::nextafter(lo, hi) < hi; }
    double middle() const { return open() ? lo + (hi - lo) / 2 : lo; }
};

} // namespace

const PixelSpans::Pattern& PixelSpans::pattern(QImage::Format format, int scale, int width,
                                               bool vertical, bool reversed, bool halfway) {
    const Kind kind{int(format), scale, width, vertical, reversed, halfway};
    auto found = patterns_.find(kind);
    if (found == patterns_.end())
        found =
            patterns_.emplace(kind, learn(format, scale, width, vertical, reversed, halfway)).first;
    return found->second;
}

PixelSpans::Pattern PixelSpans::learn(QImage::Format format, int scale, int width, bool vertical,
                                      bool reversed, bool halfway) const {
    Scratch scratch(format, scale, width, vertical, reversed, halfway);
    Pattern pattern;
    const std::optional<Spans> whole = scratch.draw(lowAt, highAt);
    if (!whole || whole->empty())
        return pattern;
    const auto bandRow = int(bandAt);
    // The ends just short of the next pixel.
    const double lowTop = std::nextafter(lowAt + 1, lowAt);
    const double highTop = std::nextafter(highAt + 1, highAt);
    const std::optional<Spans> moved = scratch.draw(lowTop, highTop);
    if (!moved || moved->size() != whole->size())
        return pattern;

    std::vector<Search> lows, highs;
    for (const auto& [row, span] : *whole) {
        const auto other = moved->find(row);
        if (other == moved->end())
            return pattern;
        const int lowMove = other->second.first - span.first;
        const int highMove = other->second.second - span.second;
        if (lowMove < 0 || lowMove > 1 || highMove < 0 || highMove > 1)
            return pattern;
        pattern.rows.push_back({row - bandRow, span.first - int(lowAt), lowMove ? 0.0 : 1.0,
                                span.second - int(highAt), highMove ? 0.0 : 1.0});
        // An end that never moves on within its pixel needs no search.
        lows.push_back(lowMove ? Search{lowAt, lowTop} : Search{lowAt, lowAt});
        highs.push_back(highMove ? Search{highAt, highTop} : Search{highAt, highAt});
    }

    for (std::size_t i = 0; i < pattern.rows.size(); ++i) {
        Row& r = pattern.rows[i];
        const int row = bandRow + r.offset;
        while (lows[i].open() || highs[i].open()) {
            const double low = lows[i].middle(), high = highs[i].middle();
            const std::optional<Spans> spans = scratch.draw(low, high);
            if (!spans || spans->size() != whole->size() || !spans->count(row))
                return {};
            const auto [first, last] = spans->at(row);
            if (lows[i].open())
                (first > int(lowAt) + r.lowBase ? lows[i].hi : lows[i].lo) = low;
            if (highs[i].open())
                (last > int(highAt) + r.highBase ? highs[i].hi : highs[i].lo) = high;
        }
        if (r.lowStep == 0.0)
            r.lowStep = lows[i].hi - lowAt;
        if (r.highStep == 0.0)
            r.highStep = highs[i].hi - highAt;
    }
    pattern.usable = true;
    return pattern;
}

bool PixelSpans::drawLine(QImage& image, int scale, int width, QRgb colour, double x1, double y1,
                          double x2, double y2) {
    const bool horizontal = y1 == y2;
    const bool vertical = x1 == x2;
    if (horizontal == vertical) // slanted, or a single point
        return false;
    if (!proven(scale, width))
        return false;
    const QImage::Format format = image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return false;

    const double across = horizontal ? y1 : x1;
    const double a1 = horizontal ? x1 : y1;
    const double a2 = horizontal ? x2 : y2;
    const double acrossFloor = std::floor(across);
    const double acrossFraction = across - acrossFloor;
    if (acrossFraction != 0 && acrossFraction != 0.5)
        return false;
    const double low = std::min(a1, a2);
    const double high = std::max(a1, a2);
    // Near the origin and far out QPainter rounds differently; those lines stay with it.
    if (!(across >= scale * width && across < reach && low > -reach && high < reach))
        return false;
    if (high - low < 1)
        return false;

    const Pattern& p = pattern(format, scale, width, vertical, a1 > a2, acrossFraction != 0);
    if (!p.usable)
        return false;

    const int alongExtent = horizontal ? image.width() : image.height();
    const int acrossExtent = horizontal ? image.height() : image.width();
    const double lowFloor = std::floor(low);
    const double lowFraction = low - lowFloor;
    const double highFloor = std::floor(high);
    const double highFraction = high - highFloor;
    const QRgb pixel = colour | 0xFF000000u;
    // The very pixels a painter active on the image writes to: asking for writable bits
    // would give a shared image pixels of its own, away from the painter's.
    auto* bits = const_cast<uchar*>(std::as_const(image).constBits());
    const qsizetype stride = image.bytesPerLine();

    for (const Row& r : p.rows) {
        const int row = int(acrossFloor) + r.offset;
        if (row < 0 || row >= acrossExtent)
            continue;
        const int first =
            std::max(0, int(lowFloor) + r.lowBase + (lowFraction >= r.lowStep ? 1 : 0));
        const int last = std::min(alongExtent - 1, int(highFloor) + r.highBase +
                                                       (highFraction >= r.highStep ? 1 : 0));
        if (first > last)
            continue;
        if (horizontal) {
            auto* line = reinterpret_cast<QRgb*>(bits + row * stride);
            fillPixels(line + first, last - first + 1, pixel);
        } else {
            for (int y = first; y <= last; ++y)
                reinterpret_cast<QRgb*>(bits + y * stride)[row] = pixel;
        }
    }
    return true;
}

} // namespace ravo
