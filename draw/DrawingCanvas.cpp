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

QRect DrawingCanvas::windowArea(const QRect& designArea) const {
    if (placement_.zoom == 1)
        return designArea.translated(placement_.offset);
    // One pixel more on each side: the smooth reduction spreads an edge over it.
    return placement_.toWindow(QRectF(designArea)).toAlignedRect().adjusted(-1, -1, 1, 1);
}

void DrawingCanvas::repaintDesign(const QRect& designArea) {
    repaint(windowArea(designArea));
}

void DrawingCanvas::updateDesign(const QRect& designArea) {
    update(windowArea(designArea));
}

void DrawingCanvas::paintEvent(QPaintEvent* event) {
    // The pixel ratio of the screen may have changed since the last paint.
    if (wantedFactor() != factor())
        renew();
    QPainter painter(this);
    const QRect shown = placement_.designArea();
    for (const QRect& around : QRegion(event->rect()).subtracted(shown))
        painter.fillRect(around, palette_->ground);
    const QRect area = event->rect() & shown;
    if (area.isEmpty())
        return;

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
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placement_.toWindow(QRectF(pictureRect())), layer_);
}

} // namespace ravo
