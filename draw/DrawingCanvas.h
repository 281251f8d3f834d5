// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesignPlacement.h"

#include <QImage>
#include <QLabel>
#include <QWidget>

#include <functional>
#include <vector>

namespace ravo {

// The picture of the window: a retained image of the design's 800 x 581 pixels, copied to
// the screen on every paint, so it survives covering, minimising and resizing. Nothing is
// kept beyond the design's area; the client area around the shown design is plain grey.
//
// The picture is kept in up to two layers, each at a whole number of image pixels per
// design pixel, and every drawing goes into each of them:
// - the screen's own resolution, when that is a whole number: shown 1:1 at zoom 1;
// - the fine layer, at the smallest whole factor that reaches the largest zoom the screen
//   allows (times its pixel ratio): shown smoothly reduced at other zooms.
// A line of one design pixel thus covers the same whole number of image pixels everywhere,
// and looks equally thick at any zoom and on any fractional screen scale.
class DrawingCanvas : public QWidget {
public:
    static constexpr QSize minimumPicture = DesignPlacement::design;

    explicit DrawingCanvas(QWidget* parent);

    // The layer shown at zoom 1.
    QImage& image() { return layers_.front(); }
    const QImage& image() const { return layers_.front(); }
    // Every layer, coarsest first; each carries its factor as its device pixel ratio.
    std::vector<QImage>& layers() { return layers_; }

    // The picture in design pixels, the unit of every drawing call.
    QRect pictureRect() const { return QRect(QPoint(0, 0), minimumPicture); }

    // Where the design stands on this widget; the window sets it when it is resized.
    void setPlacement(const DesignPlacement& placement);
    const DesignPlacement& placement() const { return placement_; }

    // Puts an area of the picture, in design pixels, on the screen now, or at the next paint.
    void repaintDesign(const QRect& designArea);
    void updateDesign(const QRect& designArea);

    // Writes a label's text into the picture at the label's place: the label lies in the
    // drawing layer, so a drawing over its area covers it.
    void paintIntoPicture(const QLabel& label);

    // Called before the layers are replaced (a larger zoom or another screen), so that no
    // painter is left on an image that goes away.
    void setBeforeLayersChange(std::function<void()> callback) {
        beforeLayersChange_ = std::move(callback);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ensureLayers();
    const QImage& layerFor(qreal imagePixelsPerWindowPixel) const;
    QRect windowArea(const QRect& designArea) const;

    std::vector<QImage> layers_;
    DesignPlacement placement_;
    std::function<void()> beforeLayersChange_;
};

// A label of the drawing layer: its text lives in the picture, so the widget itself
// paints nothing and whatever a run draws over it stays visible.
class DrawingLayerLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {}
};

} // namespace ravo
