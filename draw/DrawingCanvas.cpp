// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingCanvas.h"

#include "QtDrawingSurface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace ravo {

namespace {

QImage greyLayer(int factor) {
    QImage layer(DrawingCanvas::minimumPicture * factor, QImage::Format_RGB32);
    layer.setDevicePixelRatio(factor);
    layer.fill(toQColor(backgroundGrey));
    return layer;
}

} // namespace

DrawingCanvas::DrawingCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName("canvas");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    ensureLayers();
}

// The factors wanted now: the screen's own, when whole, and one that reaches the largest
// zoom of this screen or of the window as it is, whichever is larger. A factor once reached
// is kept, so that enlarging, reducing and enlarging again loses no sharpness.
void DrawingCanvas::ensureLayers() {
    const qreal ratio = devicePixelRatioF();
    qreal largestZoom = placement_.zoom;
    if (const QScreen* shown = screen())
        largestZoom = std::max(largestZoom, DesignPlacement::fitting(shown->size()).zoom);
    std::vector<int> wanted;
    if (std::fabs(ratio - std::round(ratio)) < 1e-9)
        wanted.push_back(int(std::round(ratio)));
    int fine = std::max(1, int(std::ceil(largestZoom * ratio - 1e-6)));
    if (!layers_.empty())
        fine = std::max(fine, int(layers_.back().devicePixelRatio()));
    if (wanted.empty() || fine > wanted.front())
        wanted.push_back(fine);

    std::vector<int> present;
    for (const QImage& layer : layers_)
        present.push_back(int(layer.devicePixelRatio()));
    if (present == wanted)
        return;

    if (beforeLayersChange_)
        beforeLayersChange_();
    const QImage finest = layers_.empty() ? QImage() : layers_.back();
    std::vector<QImage> next;
    for (int factor : wanted) {
        auto same = std::find(present.begin(), present.end(), factor);
        if (same != present.end()) {
            next.push_back(std::move(layers_[std::size_t(same - present.begin())]));
            continue;
        }
        QImage layer = greyLayer(factor);
        if (!finest.isNull()) {
            // A new factor: the finest picture so far, smoothly brought to it.
            QPainter painter(&layer);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRectF(pictureRect()), finest);
        }
        next.push_back(std::move(layer));
    }
    layers_ = std::move(next);
}

void DrawingCanvas::setPlacement(const DesignPlacement& placement) {
    if (placement == placement_)
        return;
    placement_ = placement;
    ensureLayers();
    update();
}

void DrawingCanvas::showEvent(QShowEvent* event) {
    ensureLayers();
    QWidget::showEvent(event);
}

void DrawingCanvas::paintIntoPicture(const QLabel& label) {
    for (QImage& layer : layers_) {
        QPainter painter(&layer);
        painter.setFont(label.font());
        painter.setPen(label.palette().color(QPalette::WindowText));
        painter.drawText(label.geometry(), int(label.alignment()), label.text());
    }
}

// The layer that needs the least reduction: the coarsest one at least as fine as the
// screen's pixels of the shown design, or else the finest.
const QImage& DrawingCanvas::layerFor(qreal imagePixelsPerWindowPixel) const {
    for (const QImage& layer : layers_)
        if (layer.devicePixelRatio() >= imagePixelsPerWindowPixel - 1e-9)
            return layer;
    return layers_.back();
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
    QPainter painter(this);
    const QRect shown = placement_.designArea();
    for (const QRect& around : QRegion(event->rect()).subtracted(shown))
        painter.fillRect(around, toQColor(backgroundGrey));
    const QRect area = event->rect() & shown;
    if (area.isEmpty())
        return;

    const qreal perWindowPixel = placement_.zoom * devicePixelRatioF();
    const QImage& layer = layerFor(perWindowPixel);
    const qreal factor = layer.devicePixelRatio();
    if (std::fabs(factor - perWindowPixel) < 1e-9) {
        // Whole image pixels to whole screen pixels.
        const qreal scale = factor / placement_.zoom;
        const QRectF source(QPointF(area.topLeft() - placement_.offset) * scale,
                            QSizeF(area.size()) * scale);
        painter.drawImage(QRectF(area), layer, source);
        return;
    }
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placement_.toWindow(QRectF(pictureRect())), layer);
}

} // namespace ravo
