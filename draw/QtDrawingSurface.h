// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"
#include "LineMemory.h"
#include "PixelSpans.h"

#include <QPainter>
#include <QPen>
#include <QRect>
#include <QRectF>
#include <QRegion>

#include <functional>
#include <utility>
#include <vector>
#include <string_view>

namespace ravo {

class DrawingCanvas;

// The run's surface over Qt. Drawing goes into the canvas's retained picture, in design
// pixels (the image's factor is its painter's scale), each role in its colour of the
// canvas's palette. The area changed since the last showing is kept as a few rectangles
// (nearby changes merged, at most eight); present() puts them on the screen.
class QtDrawingSurface : public DrawingSurface {
public:
    explicit QtDrawingSurface(DrawingCanvas& canvas);
    ~QtDrawingSurface() override;

    void SetScaleToPixels() override;
    void SetPenWidth(int width) override;
    void DrawLine(float x1, float y1, float x2, float y2, Role role) override;
    void DrawCircle(float x, float y, float radius, Role role) override;
    void ShowControl(std::string_view controlName) override;

    int penWidth() const { return penWidth_; }

    // Who shows a control by its name: the window.
    void setShowControl(std::function<void(std::string_view)> show) {
        showControl_ = std::move(show);
    }

    // Horizontal and vertical lines are written as spans of pixels where that gives exactly
    // QPainter's pixels; switched off, every line goes through QPainter.
    void setSpanLines(bool on) { spanLines_ = on; }
    // How many lines have been written as spans.
    long spanLineCount() const { return spanLineCount_; }
    // How many lines were left out as drawn already, and unchanged since.
    long unchangedLineCount() const { return unchangedLineCount_; }

    // Puts the changed area on the screen now.
    void present();
    // Schedules the changed area for the next paint.
    void settle();
    // Ends the painter on the picture: before it is replaced, read, or a box opens.
    void endPainting();
    bool painting() const { return painting_; }
    // Forgets which lines are known to be drawn as they are: the picture has changed by
    // other means.
    void forget();

private:
    QPen penFor(Role role, bool slanted) const;
    QPainter& painterWith(const QPen& pen);
    void sendBatch();
    QRectF reachOf(float x1, float y1, float x2, float y2) const;
    bool drawSpanLine(float x1, float y1, float x2, float y2);
    void touched(float left, float top, float right, float bottom);
    // The changed area in pixels of the picture; forgets it.
    QRegion takeDirty();

    DrawingCanvas& canvas_;
    QPainter painter_;
    bool painting_ = false;
    int penWidth_ = 1;
    QPen pen_{Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin};
    // Horizontal and vertical lines known to stand in the picture as drawn.
    LineMemory lines_;
    std::vector<QLineF> batch_;
    QPen batchPen_;
    PixelSpans spans_;
    bool spanLines_ = true;
    long spanLineCount_ = 0;
    long unchangedLineCount_ = 0;
    // Rectangles around everything drawn since the last showing.
    std::vector<QRectF> dirty_;
    static constexpr std::size_t maxDirty = 8;
    static constexpr qreal nearby = 4;
    std::function<void(std::string_view)> showControl_;
};

} // namespace ravo
