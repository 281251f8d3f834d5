// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesignPlacement.h"
#include "Palette.h"

#include <QImage>
#include <QLabel>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <functional>

namespace ravo {

// The picture of the window: a retained image of the design's 800 x 581 pixels, copied to
// the screen on every paint, so it survives covering, minimising and resizing. Nothing is
// kept beyond the design's area; the client area around the shown design is plain ground.
//
// Up to three screen pixels per design pixel (zoom times device pixel ratio), the image
// holds that number rounded up to a whole one: it is shown 1:1 where that is whole, and
// smoothly reduced otherwise, so a line of one design pixel looks equally thick at any zoom
// and on any fractional screen scale. From three on (a window filling a large screen), the
// image has the screen's own resolution and is shown 1:1; its lines are whole screen pixels
// thick (see QtDrawingSurface), so they look equally thick there as well, and no reduction
// costs time at every showing. When the resolution changes (a resize, full screen, another
// screen), the image is made anew and the window's redraw draws the picture into it again
// from the runs' records: it is never scaled up. Only while a large window is being resized
// from one such resolution to another does the old image, smoothly scaled, stand in for a
// moment, so that a resize does not redraw the whole picture at every step.
class DrawingCanvas : public QWidget {
public:
    static constexpr QSize minimumPicture = DesignPlacement::design;

    explicit DrawingCanvas(QWidget* parent);

    QImage& image() { return layer_; }
    const QImage& image() const { return layer_; }
    // Image pixels per design pixel: whole, or at least 3.
    qreal factor() const { return layer_.devicePixelRatio(); }
    bool wholeFactor() const { return factor() == std::floor(factor()); }

    // The picture in design pixels, the unit of every drawing call.
    static QRect pictureRect() { return QRect(QPoint(0, 0), minimumPicture); }

    // Where the design stands on this widget; the window sets it when it is resized.
    void setPlacement(const DesignPlacement& placement);
    const DesignPlacement& placement() const { return placement_; }

    void setColours(const Palette& palette) { palette_ = &palette; }
    const Palette& colours() const { return *palette_; }

    // Puts an area of the picture, in design pixels, on the screen now, or at the next paint.
    void repaintDesign(const QRegion& designArea);
    void updateDesign(const QRegion& designArea);

    // Writes a label's text into the picture at its place in the design, in its font at the
    // design's size: the label lies in the drawing layer, so a drawing over its area covers it.
    void paintText(const QRect& designArea, const QFont& font, Qt::Alignment alignment,
                   const QString& text, const QColor& colour);

    // Called before the image is replaced, so that no painter is left on it.
    void setBeforeLayerChange(std::function<void()> callback) {
        beforeLayerChange_ = std::move(callback);
    }
    // Draws the whole picture into a new, empty image; called whenever one is made.
    void setRedraw(std::function<void()> redraw) { redraw_ = std::move(redraw); }
    // Makes the image anew at the resolution the window needs now and redraws it, if the
    // resolution has changed (or always, when forced).
    void renew(bool force = false);
    // Drawn over the picture at every paint, in the window's pixels, never into the image:
    // the focus frame, the cursor on a mark, the legend.
    void setOverlay(std::function<void(QPainter&)> overlay) { overlay_ = std::move(overlay); }

    // How many times the picture has been redrawn from the records.
    int redrawCount() const { return redrawCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    qreal wantedFactor() const;
    void follow();
    void paintArea(QPainter& painter, const QRect& area);
    QRegion windowArea(const QRegion& designArea) const;

    QImage layer_;
    DesignPlacement placement_;
    const Palette* palette_ = &Palette::design();
    std::function<void()> beforeLayerChange_;
    std::function<void()> redraw_;
    std::function<void(QPainter&)> overlay_;
    int redrawCount_ = 0;
    bool renewing_ = false;
    QTimer renewSoon_;
};

// A label of the drawing layer: its text lives in the picture, so the widget itself
// paints nothing and whatever a run draws over it stays visible.
class DrawingLayerLabel : public QLabel {
public:
    using QLabel::QLabel;

    // Whether a drawing has painted over the label's text in the picture: then it is shown
    // to a screen reader as not there, as it is to the eye (the widget itself stays).
    void setCovered(bool covered);
    bool covered() const { return covered_; }

protected:
    void paintEvent(QPaintEvent*) override {}

private:
    bool covered_ = false;
};

} // namespace ravo
