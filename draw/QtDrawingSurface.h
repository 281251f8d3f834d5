// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"
#include "PixelSpans.h"

#include <QPainter>
#include <QPen>
#include <QRect>

#include <functional>
#include <string_view>

namespace ravo {

class DrawingCanvas;

// The run's surface over Qt. Drawing goes into the canvas's retained picture, in design
// pixels (the image's factor is its painter's scale), each role in its colour of the
// canvas's palette. The area changed since the last showing is kept as one bounding
// rectangle; present() puts it on the screen.
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

    // Puts the changed area on the screen now.
    void present();
    // Schedules the changed area for the next paint.
    void settle();
    // Ends the painter on the picture: before it is replaced, read, or a box opens.
    void endPainting();
    bool painting() const { return painting_; }

private:
    QPainter& painter(Role role);
    bool drawSpanLine(float x1, float y1, float x2, float y2);
    void touched(float left, float top, float right, float bottom);
    // The changed area as pixels of the picture, or an empty rectangle; forgets it.
    QRect takeDirty();

    DrawingCanvas& canvas_;
    QPainter painter_;
    bool painting_ = false;
    int penWidth_ = 1;
    QPen pen_{Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin};
    PixelSpans spans_;
    bool spanLines_ = true;
    long spanLineCount_ = 0;
    // The bounding box of everything drawn since the last showing (empty: left > right).
    float dirtyLeft_ = 1, dirtyTop_ = 1, dirtyRight_ = 0, dirtyBottom_ = 0;
    std::function<void(std::string_view)> showControl_;
};

} // namespace ravo
