// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingCanvas.h"
#include "QtDrawingSurface.h"

#include <QImage>
#include <QWidget>

namespace ravo::test {

// A bare window with a canvas and its surface, the way the program's window holds them,
// drawing horizontal and vertical lines as spans or (spans off) all through QPainter.
struct Scene {
    QWidget window;
    DrawingCanvas* canvas;
    QtDrawingSurface surface;

    explicit Scene(bool spans = true) : canvas(new DrawingCanvas(&window)), surface(*canvas) {
        window.resize(820, 600);
        canvas->setGeometry(window.rect());
        surface.setSpanLines(spans);
    }
    // The picture with everything drawn so far in it.
    const QImage& picture() {
        surface.settle();
        return canvas->image();
    }
    // The picture at a point given in the drawing's pixels.
    QRgb at(int x, int y) {
        const QImage& image = picture();
        const qreal ratio = image.devicePixelRatio();
        return image.pixel(int(x * ratio), int(y * ratio));
    }
    // How many rows of column x, between y0 and y1, are not the design's grey ground.
    int paintedRows(int x, int y0, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            n += at(x, y) != grey;
        return n;
    }

    static constexpr QRgb grey = 0xffc0c0c0;
};

} // namespace ravo::test
