// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDrawingSurface.h"

#include "BandLine.h"
#include "DrawingCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace ravo {

namespace {

// Coordinates of this program stay within a few thousand pixels; anything that is not a
// plain finite number of moderate size is never handed to the rasteriser.
bool drawable(float v) {
    return std::isfinite(v) && std::fabs(v) < 1e6f;
}

} // namespace

QtDrawingSurface::QtDrawingSurface(DrawingCanvas& canvas) : canvas_(canvas) {
    canvas_.setBeforeLayerChange([this] {
        endPainting();
        forget(); // the picture is made anew
    });
}

QtDrawingSurface::~QtDrawingSurface() {
    endPainting();
    canvas_.setBeforeLayerChange({});
}

// The pen of the current width in the role's colour. The ends are round, as the design
// draws them. In pictures of three or more image pixels per design pixel (a window filling
// a large screen), lines that go through the painter (slanted ones, and any where spans are
// not proven) have square ends instead: the rasteriser's quick way, which makes a run there
// three times quicker and differs from round ends only in a few pixels at each end. Up to
// two image pixels per design pixel every line is QPainter's own, round ends and all; so
// are lines written as spans. Where the picture has a fractional number of image pixels per
// design pixel, a line is a whole number of them thick, the nearest: every line of a width
// is then equally thick, wherever it lies.
QPen QtDrawingSurface::penFor(Role role, bool slanted) const {
    const qreal factor = canvas_.factor();
    const bool whole = canvas_.wholeFactor();
    const bool squareEnds =
        factor >= 3 && (slanted || !whole || !PixelSpans::proven(int(factor), penWidth_));
    const qreal width = whole ? penWidth_ : std::round(penWidth_ * factor) / factor;
    return QPen(QBrush(canvas_.colours().of(role)), width, Qt::SolidLine,
                squareEnds ? Qt::SquareCap : Qt::RoundCap, Qt::RoundJoin);
}

// The painter on the picture with a pen. The pen is set only when it differs, which keeps a
// run's 37,000 lines free of allocations.
QPainter& QtDrawingSurface::painterWith(const QPen& pen) {
    if (!painting_) {
        painter_.begin(&canvas_.image());
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(pen);
        pen_ = pen;
        painting_ = true;
    } else if (pen != pen_) {
        pen_ = pen;
        painter_.setPen(pen);
    }
    return painter_;
}

// Lines that the painter draws wait in a batch while the pen stays the same, and go to the
// painter together: one call instead of many. A line of another colour written in between
// first sends the batch, so that where lines of different colours cross, the later stays on
// top; lines of one colour cover the same pixels in either order.
void QtDrawingSurface::sendBatch() {
    if (batch_.empty())
        return;
    painterWith(batchPen_).drawLines(batch_.data(), int(batch_.size()));
    batch_.clear();
}

void QtDrawingSurface::endPainting() {
    sendBatch();
    if (painting_)
        painter_.end();
    painting_ = false;
}

void QtDrawingSurface::SetScaleToPixels() {
    // The canvas always measures in pixels of the client area.
}

void QtDrawingSurface::SetPenWidth(int width) {
    penWidth_ = width;
}

void QtDrawingSurface::DrawLine(float x1, float y1, float x2, float y2, Role role) {
    if (!drawable(x1) || !drawable(y1) || !drawable(x2) || !drawable(y2))
        return;
    const bool slanted = x1 != x2 && y1 != y2;
    const QPen pen = penFor(role, slanted);
    const QRectF reach = reachOf(x1, y1, x2, y2);
    const LineMemory::Line line{x1, y1, x2, y2, pen.color().rgb(), pen.width(),
                                int(pen.capStyle())};
    if (!slanted && lines_.contains(line)) {
        ++unchangedLineCount_; // drawn before, and nothing of another colour over it since
        return;
    }
    const LineMemory::Box box{reach.left(), reach.top(), reach.right(), reach.bottom()};
    lines_.covered(box, line.colour);
    if (!batch_.empty() && pen.color() != batchPen_.color())
        sendBatch();
    painterWith(pen);
    if (drawSpanLine(x1, y1, x2, y2)) {
        ++spanLineCount_;
    } else {
        if (!batch_.empty() && pen != batchPen_)
            sendBatch();
        batchPen_ = pen;
        batch_.emplace_back(x1, y1, x2, y2);
    }
    if (!slanted)
        lines_.remember(line, box);
    touched(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

// The area a line's pixels can lie in, with a pixel to spare.
QRectF QtDrawingSurface::reachOf(float x1, float y1, float x2, float y2) const {
    const qreal margin = penWidth_ / 2.0 + 1;
    return QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                  QPointF(std::max(x1, x2), std::max(y1, y2)))
        .adjusted(-margin, -margin, margin, margin);
}

void QtDrawingSurface::forget() {
    lines_.forget();
}

// A line straight into the picture's pixels, where the painter maps logical pixels to
// device pixels by a factor and nothing else is in its way: at a whole factor a horizontal
// or vertical one, as QPainter would draw it; at a fractional one (three or more) any line,
// as a band of whole pixels (see penFor).
bool QtDrawingSurface::drawSpanLine(float x1, float y1, float x2, float y2) {
    if (!spanLines_ || (x1 != x2 && y1 != y2 && canvas_.wholeFactor()))
        return false;
    const QTransform mapping = painter_.deviceTransform();
    if (mapping.type() > QTransform::TxScale || mapping.m11() != mapping.m22() ||
        mapping.dx() != 0 || mapping.dy() != 0)
        return false;
    if (painter_.hasClipping() ||
        painter_.compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter_.testRenderHint(QPainter::Antialiasing) || pen_.color().alpha() != 255 ||
        canvas_.image().depth() != 32)
        return false;
    const double scale = mapping.m11();
    if (scale != std::floor(scale)) {
        if (scale < 3 || pen_.capStyle() != Qt::SquareCap)
            return false;
        drawBandLine(canvas_.image(), pen_.color().rgb(), scale * x1, scale * y1, scale * x2,
                     scale * y2, std::round(scale * pen_.widthF()));
        return true;
    }
    return spans_.drawLine(canvas_.image(), int(scale), penWidth_, pen_.color().rgb(), scale * x1,
                           scale * y1, scale * x2, scale * y2);
}

void QtDrawingSurface::DrawCircle(float x, float y, float radius, Role role) {
    if (!drawable(x) || !drawable(y) || !drawable(radius))
        return;
    sendBatch();
    const QPen pen = penFor(role, false);
    const qreal margin = penWidth_ / 2.0 + 1;
    lines_.covered({x - radius - margin, y - radius - margin, x + radius + margin,
                    y + radius + margin},
                   pen.color().rgb());
    painterWith(pen).drawEllipse(QPointF(x, y), radius, radius);
    touched(x - radius, y - radius, x + radius, y + radius);
}

// The changed area is kept as a few rectangles: the arrows at a detector point, its
// spiral and its mark lie far apart, and putting on the screen the box around all of them
// would copy (at a zoom, smoothly reduce) most of the picture at every showing. A drawing
// joins the rectangle it touches or comes near; with too many, the two nearest merge.
void QtDrawingSurface::touched(float left, float top, float right, float bottom) {
    const float margin = float(penWidth_ + 1);
    QRectF box(QPointF(left - margin, top - margin), QPointF(right + margin, bottom + margin));
    if (!dirty_.empty()) {
        QRectF& last = dirty_.back(); // most drawings come next to the one before
        if (last.adjusted(-nearby, -nearby, nearby, nearby).intersects(box)) {
            last |= box;
            return;
        }
    }
    for (QRectF& r : dirty_)
        if (r.adjusted(-nearby, -nearby, nearby, nearby).intersects(box)) {
            r |= box;
            return;
        }
    dirty_.push_back(box);
    if (dirty_.size() > maxDirty) {
        // The two whose union adds the least area become one.
        std::size_t bestA = 0, bestB = 1;
        qreal bestGrowth = -1;
        for (std::size_t i = 0; i < dirty_.size(); ++i)
            for (std::size_t j = i + 1; j < dirty_.size(); ++j) {
                const QRectF u = dirty_[i] | dirty_[j];
                const qreal growth = u.width() * u.height() - dirty_[i].width() * dirty_[i].height() -
                                     dirty_[j].width() * dirty_[j].height();
                if (bestGrowth < 0 || growth < bestGrowth) {
                    bestGrowth = growth;
                    bestA = i;
                    bestB = j;
                }
            }
        dirty_[bestA] |= dirty_[bestB];
        dirty_.erase(dirty_.begin() + std::ptrdiff_t(bestB));
    }
}

QRegion QtDrawingSurface::takeDirty() {
    QRegion region;
    const QRectF picture(DrawingCanvas::pictureRect());
    for (const QRectF& r : dirty_)
        region += r.intersected(picture).toAlignedRect();
    dirty_.clear();
    return region;
}

void QtDrawingSurface::present() {
    endPainting();
    if (const QRegion area = takeDirty(); !area.isEmpty())
        canvas_.repaintDesign(area);
}

void QtDrawingSurface::settle() {
    endPainting();
    if (const QRegion area = takeDirty(); !area.isEmpty())
        canvas_.updateDesign(area);
}

void QtDrawingSurface::ShowControl(std::string_view controlName) {
    if (showControl_)
        showControl_(controlName);
}

} // namespace ravo
