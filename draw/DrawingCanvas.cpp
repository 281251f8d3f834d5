// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingCanvas.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace ravo {

namespace {

// A label of the drawing layer as assistive technology reads it: as any label, but not
// there once a drawing has covered its text.
class DrawingLayerLabelAccessible : public QAccessibleWidget {
public:
    explicit DrawingLayerLabelAccessible(DrawingLayerLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText), label_(label) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (label_->covered())
            state.invisible = true;
        return state;
    }
    QString text(QAccessible::Text t) const override {
        if (label_->covered())
            return {};
        if (t == QAccessible::Name && label_->accessibleName().isEmpty())
            return label_->text();
        return QAccessibleWidget::text(t);
    }

private:
    DrawingLayerLabel* label_;
};

QAccessibleInterface* drawingLayerLabels(const QString&, QObject* object) {
    if (auto* label = dynamic_cast<DrawingLayerLabel*>(object))
        return new DrawingLayerLabelAccessible(label);
    return nullptr;
}

} // namespace

void DrawingLayerLabel::setCovered(bool covered) {
    static const bool installed = [] {
        QAccessible::installFactory(drawingLayerLabels);
        return true;
    }();
    (void)installed;
    if (covered == covered_)
        return;
    covered_ = covered;
    QAccessibleStateChangeEvent event(this, [] {
        QAccessible::State changed;
        changed.invisible = true;
        return changed;
    }());
    QAccessible::updateAccessibility(&event);
}

namespace {

// An image for the picture. One of a large window's (8 MB and more) lies in huge pages
// where the system gives them: the short lines of a run each cross dozens of rows, every
// row in another small page, and looking those pages up was a good part of a line's time.
QImage pictureImage(QSize size) {
#ifdef __linux__
    constexpr std::size_t hugePage = std::size_t(2) << 20;
    const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
    const std::size_t bytes = std::size_t(bytesPerLine) * std::size_t(size.height());
    if (bytes >= 4 * hugePage) {
        void* memory = nullptr;
        const std::size_t whole = (bytes + hugePage - 1) / hugePage * hugePage;
        if (posix_memalign(&memory, hugePage, whole) == 0) {
            madvise(memory, whole, MADV_HUGEPAGE); // only a wish: without it, small pages
            return QImage(
                static_cast<uchar*>(memory), size.width(), size.height(), bytesPerLine,
                QImage::Format_RGB32, [](void* m) { std::free(m); }, memory);
        }
    }
#endif
    return QImage(size, QImage::Format_RGB32);
}

} // namespace

DrawingCanvas::DrawingCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName("canvas");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    renewSoon_.setSingleShot(true);
    renewSoon_.setInterval(150);
    renewSoon_.callOnTimeout(this, [this] { renew(); });
    renew();
}

qreal DrawingCanvas::wantedFactor() const {
    const qreal perScreenPixel = placement_.zoom * devicePixelRatioF();
    const qreal whole = std::round(perScreenPixel);
    if (std::fabs(perScreenPixel - whole) < 1e-6)
        return std::max<qreal>(1, whole);
    return perScreenPixel > 3 ? perScreenPixel : std::ceil(perScreenPixel);
}

// Makes the image anew for the resolution the window needs, or, while a large window is
// resized, soon after the last change.
void DrawingCanvas::follow() {
    const qreal wanted = wantedFactor();
    if (wanted == factor()) {
        renewSoon_.stop();
        return;
    }
    if (wanted >= 3 && factor() >= 3 && !layer_.isNull()) {
        if (!renewSoon_.isActive())
            renewSoon_.start();
    } else {
        renew();
    }
}

void DrawingCanvas::renew(bool force) {
    const qreal factor = wantedFactor();
    if (renewing_ || (!force && !layer_.isNull() && factor == this->factor()))
        return;
    renewSoon_.stop();
    renewing_ = true;
    if (beforeLayerChange_)
        beforeLayerChange_();
    // The old image goes before the new one is made: only one is ever kept.
    layer_ = QImage();
    layer_ = pictureImage(QSize(int(std::ceil(minimumPicture.width() * factor - 1e-6)),
                                int(std::ceil(minimumPicture.height() * factor - 1e-6))));
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
    follow();
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
    follow();
    QPainter painter(this);
    const QRect shown = placement_.designArea();
    for (const QRect& around : event->region().subtracted(shown))
        painter.fillRect(around, palette_->ground);
    for (const QRect& area : event->region().intersected(shown))
        paintArea(painter, area);
    if (overlay_) {
        painter.setClipRegion(event->region());
        overlay_(painter);
    }
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
