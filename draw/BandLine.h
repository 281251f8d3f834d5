// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace ravo {

// A straight line with square ends written straight into an image of 32-bit pixels: every
// pixel whose centre lies in the line's rectangle takes the colour (one on its left or top
// edge does not, one on its right or bottom edge does, as with QPainter). The rectangle runs
// along the line and half the width beyond each end, and half the width to either side
// (a line of no length is a square). With a whole width, a horizontal or vertical line is
// exactly that many pixels thick wherever it lies, and a slanted one as thick across it.
//
// QPainter's aliased lines with square ends fill the same rectangle, to within a pixel at
// its edges, but each of them goes through the stroker and the rasteriser: for the many
// short lines of a run in a picture of several pixels per design pixel, that is most of
// the run's time. Coordinates are in the image's pixels, a pixel's centre half a pixel in;
// a line with a coordinate or width that is not a finite number, or no width, draws nothing.
void drawBandLine(QImage& image, QRgb colour, double x1, double y1, double x2, double y2,
                  double width);

} // namespace ravo
