// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingCanvas.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ravo {

DrawingCanvas::DrawingCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName("canvas");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    renew();
}

int DrawingCanvas::wantedFactor() const {
    return std::max(1, int(std::ceil(placement_.zoom * devicePixelRatioF() - 1e-6)));
}

void DrawingCanvas::renew(bool force) {
    const int factor = wantedFactor();
    if (renewing_ || (!force && !layer_.isNull() && factor == this->factor()))
        return;
    renewing_ = true;
    if (beforeLayerChange_)
        beforeLayerChange_();
    // The old image goes before the new one is made: only one is ever kept.
    layer_ = QImage();
    layer_ = QImage(minimumPicture * factor, QImage::Format_RGB32);
    layer_.setDevicePixelRatio(factor);
    layer_.fill(palette_->ground);
    if (redraw_) {
        redraw_();
        ++redrawCount_;
    }
    renewing_ = false;
    update();
}

void DrawingCanvas::setPlacement(const DesignPlacement& placement) {
    if (placement == placement_)
        return;
    placement_ = placement;
    renew();
    update();
}

void DrawingCanvas::showEvent(QShowEvent* event) {
    renew();
    QWidget::showEvent(event);
}

// Moved to another screen: its pixel ratio may differ.
bool DrawingCanvas::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal)
        update();
    return QWidget::event(event);
}

void DrawingCanvas::paintText(const QRect& designArea, const QFont& font, Qt::Alignment alignment,
                              const QString& text, const QColor& colour) {
    if (beforeLayerChange_)
        beforeLayerChange_(); // no other painter on the image meanwhile
    QPainter painter(&layer_);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(designArea, int(alignment), text);
}

QRegion DrawingCanvas::windowArea(const QRegion& designArea) const {
    if (placement_.zoom == 1)
        return designArea.translated(placement_.offset);
    // One pixel more on each side: the smooth reduction spreads an edge over it.
    QRegion area;
    for (const QRect& r : designArea)
        area += placement_.toWindow(QRectF(r)).toAlignedRect().adjusted(-1, -1, 1, 1);
    return area;
}

void DrawingCanvas::repaintDesign(const QRegion& designArea) {
    repaint(windowArea(designArea));
}

void DrawingCanvas::updateDesign(const QRegion& designArea) {
    update(windowArea(designArea));
}

void DrawingCanvas::paintEvent(QPaintEvent* event) {
    // The pixel ratio of the screen may have changed since the last paint.
    if (wantedFactor() != factor())
        renew();
    QPainter painter(this);
    const QRect shown = placement_.designArea();
    for (const QRect& around : event->region().subtracted(shown))
        painter.fillRect(around, palette_->ground);
    for (const QRect& area : event->region().intersected(shown))
        paintArea(painter, area);
}

// One rectangle of the picture on the window.
void DrawingCanvas::paintArea(QPainter& painter, const QRect& area) {
    const qreal perWindowPixel = placement_.zoom * devicePixelRatioF();
    const qreal factor = layer_.devicePixelRatio();
    if (std::fabs(factor - perWindowPixel) < 1e-9) {
        // Whole image pixels to whole screen pixels.
        const qreal scale = factor / placement_.zoom;
        const QRectF source(QPointF(area.topLeft() - placement_.offset) * scale,
                            QSizeF(area.size()) * scale);
        painter.drawImage(QRectF(area), layer_, source);
        return;
    }
    // The image's part behind the area, reduced smoothly onto it (a pixel more around it for
    // the reduction's edges).
    const qreal perImage = placement_.zoom / factor;
    const QRectF window(area.translated(-placement_.offset));
    const qreal scale = factor / placement_.zoom;
    const QRect source = QRectF(window.topLeft() * scale, window.size() * scale)
                             .toAlignedRect()
                             .adjusted(-2, -2, 2, 2)
                             .intersected(layer_.rect());
    const QRectF target(QPointF(source.topLeft()) * perImage + QPointF(placement_.offset),
                        QSizeF(source.size()) * perImage);
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, layer_, source);
    painter.restore();
}

} // namespace ravo
