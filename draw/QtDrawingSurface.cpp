// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDrawingSurface.h"

#include "DrawingCanvas.h"

#include <algorithm>
#include <cmath>

namespace ravo {

namespace {

// Coordinates of this program stay within a few thousand pixels; anything that is not a
// plain finite number of moderate size is never handed to the rasteriser.
bool drawable(float v) {
    return std::isfinite(v) && std::fabs(v) < 1e6f;
}

} // namespace

QtDrawingSurface::QtDrawingSurface(DrawingCanvas& canvas) : canvas_(canvas) {
    canvas_.setBeforeLayerChange([this] { endPainting(); });
}

QtDrawingSurface::~QtDrawingSurface() {
    endPainting();
    canvas_.setBeforeLayerChange({});
}

// The painter on the picture, with the pen of the current width in the role's colour. The
// pen is changed only when it differs, which keeps a run's 37,000 lines free of
// allocations. A picture finer than spans are proven for draws lines of one pixel with
// square ends: at a whole factor they cover the same pixels as round ends but take the
// rasteriser's much quicker way.
QPainter& QtDrawingSurface::painter(Role role) {
    const QColor wanted = canvas_.colours().of(role);
    const Qt::PenCapStyle cap =
        penWidth_ == 1 && !PixelSpans::proven(canvas_.factor(), 1) ? Qt::SquareCap : Qt::RoundCap;
    const bool penChanged =
        pen_.color() != wanted || pen_.width() != penWidth_ || pen_.capStyle() != cap;
    if (penChanged)
        pen_ = QPen(wanted, penWidth_, Qt::SolidLine, cap, Qt::RoundJoin);
    if (!painting_) {
        painter_.begin(&canvas_.image());
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(pen_);
        painting_ = true;
    } else if (penChanged) {
        painter_.setPen(pen_);
    }
    return painter_;
}

void QtDrawingSurface::endPainting() {
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
    QPainter& p = painter(role);
    if (drawSpanLine(x1, y1, x2, y2))
        ++spanLineCount_;
    else
        p.drawLine(QLineF(x1, y1, x2, y2));
    touched(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

// A horizontal or vertical line straight into the picture's pixels, where the painter maps
// logical pixels to device pixels by a whole factor and nothing else is in its way.
bool QtDrawingSurface::drawSpanLine(float x1, float y1, float x2, float y2) {
    if (!spanLines_ || (x1 != x2 && y1 != y2))
        return false;
    const QTransform mapping = painter_.deviceTransform();
    if (mapping.type() > QTransform::TxScale || mapping.m11() != mapping.m22() ||
        mapping.dx() != 0 || mapping.dy() != 0)
        return false;
    const double scale = mapping.m11();
    if (scale != std::floor(scale))
        return false;
    if (painter_.hasClipping() ||
        painter_.compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter_.testRenderHint(QPainter::Antialiasing) || pen_.color().alpha() != 255)
        return false;
    return spans_.drawLine(canvas_.image(), int(scale), penWidth_, pen_.color().rgb(), scale * x1,
                           scale * y1, scale * x2, scale * y2);
}

void QtDrawingSurface::DrawCircle(float x, float y, float radius, Role role) {
    if (!drawable(x) || !drawable(y) || !drawable(radius))
        return;
    painter(role).drawEllipse(QPointF(x, y), radius, radius);
    touched(x - radius, y - radius, x + radius, y + radius);
}

// Kept as four numbers: this runs for every line, and the clipping waits for the showing.
void QtDrawingSurface::touched(float left, float top, float right, float bottom) {
    const float margin = float(penWidth_ + 1);
    if (dirtyLeft_ > dirtyRight_) {
        dirtyLeft_ = left - margin;
        dirtyTop_ = top - margin;
        dirtyRight_ = right + margin;
        dirtyBottom_ = bottom + margin;
        return;
    }
    dirtyLeft_ = std::min(dirtyLeft_, left - margin);
    dirtyTop_ = std::min(dirtyTop_, top - margin);
    dirtyRight_ = std::max(dirtyRight_, right + margin);
    dirtyBottom_ = std::max(dirtyBottom_, bottom + margin);
}

QRect QtDrawingSurface::takeDirty() {
    if (dirtyLeft_ > dirtyRight_)
        return {};
    const QRectF area(QPointF(dirtyLeft_, dirtyTop_), QPointF(dirtyRight_, dirtyBottom_));
    dirtyLeft_ = 1;
    dirtyRight_ = 0;
    return area.intersected(QRectF(DrawingCanvas::pictureRect())).toAlignedRect();
}

void QtDrawingSurface::present() {
    endPainting();
    if (const QRect area = takeDirty(); !area.isEmpty())
        canvas_.repaintDesign(area);
}

void QtDrawingSurface::settle() {
    endPainting();
    if (const QRect area = takeDirty(); !area.isEmpty())
        canvas_.updateDesign(area);
}

void QtDrawingSurface::ShowControl(std::string_view controlName) {
    if (showControl_)
        showControl_(controlName);
}

} // namespace ravo
