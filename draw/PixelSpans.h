// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <map>
#include <tuple>
#include <vector>

namespace ravo {

// Sets count pixels from line on to one colour.
void fillPixels(QRgb* line, int count, QRgb pixel);

// Horizontal and vertical lines written straight into the picture's pixels: the same pixels
// that QPainter's aliased drawLine sets with a solid, round-capped pen of the given width,
// under a painter that maps logical pixels to device pixels by a whole factor, but without
// the rasteriser's work for every line.
//
// Such a line covers a fixed band of pixel rows across it (for a horizontal line) and in
// each row a run of pixels from one end to the other. Which pixel a row starts and stops
// at depends only on where the end falls within its pixel: a whole number of pixels from
// the end, one more once the end has passed a certain fraction of a pixel. That pattern is
// learnt from QPainter itself, once per kind of line (scale, width, horizontal or vertical,
// direction, and whether the line lies on a pixel's edge or its middle), on a small
// scratch image.
class PixelSpans {
public:
    // How a line of one kind is made: for each row of its band, where it starts and stops.
    struct Row {
        int offset;      // the row, from the pixel row that holds the line
        int lowBase;     // the first pixel, from the pixel that holds the lower end
        double lowStep;  // ... one further on once the end is this far into its pixel
        int highBase;    // the last pixel, from the pixel that holds the upper end
        double highStep; // ... one further on once the end is this far into its pixel
    };
    struct Pattern {
        bool usable = false; // false: QPainter did something this model does not describe
        std::vector<Row> rows;
    };

    // The scales and pen widths whose lines have been shown to agree with QPainter at every
    // position. At scale 1 a pen of width 2 rounds its ends and its edge rows differently
    // near the origin and far from it, so those lines stay with QPainter.
    static bool proven(int scale, int width) {
        return (scale == 1 && (width == 1 || width == 4)) ||
               (scale == 2 && (width == 1 || width == 2 || width == 4));
    }

    // Draws the line from (x1, y1) to (x2, y2), given in device pixels, into the image if it
    // is horizontal or vertical and of a kind this class draws, and returns true. Returns
    // false, drawing nothing, otherwise: the painter has to draw that line.
    bool drawLine(QImage& image, int scale, int width, QRgb colour, double x1, double y1, double x2,
                  double y2);

    // The pattern of one kind of line, learnt on first use.
    const Pattern& pattern(QImage::Format format, int scale, int width, bool vertical,
                           bool reversed, bool halfway);

private:
    using Kind = std::tuple<int, int, int, bool, bool, bool>;
    Pattern learn(QImage::Format format, int scale, int width, bool vertical, bool reversed,
                  bool halfway) const;

    std::map<Kind, Pattern> patterns_;
};

} // namespace ravo
