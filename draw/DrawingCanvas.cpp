// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingCanvas.h"

#include "QtDrawingSurface.h"

#include <QPaintEvent>
#include <QPainter>

namespace ravo {

DrawingCanvas::DrawingCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName("canvas");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    ensurePicture(minimumPicture);
}

QRect DrawingCanvas::pictureRect() const {
    return QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize());
}

void DrawingCanvas::ensurePicture(QSize logicalSize) {
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = logicalSize.expandedTo(minimumPicture).expandedTo(pictureRect().size());
    if (!image_.isNull() && wanted == pictureRect().size() && image_.devicePixelRatio() == ratio)
        return;
    QImage grown((QSizeF(wanted) * ratio).toSize(), QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    grown.fill(toQColor(backgroundGrey));
    if (!image_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(grown);
}

void DrawingCanvas::paintIntoPicture(const QLabel& label) {
    QPainter painter(&image_);
    painter.setFont(label.font());
    painter.setPen(label.palette().color(QPalette::WindowText));
    painter.drawText(label.geometry(), int(label.alignment()), label.text());
}

void DrawingCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = image_.devicePixelRatio();
    const QRectF source(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio);
    painter.drawImage(QRectF(area), image_, source);
}

void DrawingCanvas::resizeEvent(QResizeEvent*) {
    ensurePicture(size());
}

} // namespace ravo
