// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Palette.h"
#include "RecordingSurface.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <vector>

namespace ravo::test {

// A run's recorded lines and circles drawn with one QPainter, call by call with round ends,
// in a palette's colours: the picture the window's surface must make at factors up to 2,
// however quickly it makes it, and the least work any surface over QPainter has to do (the
// pen changes only when the width or the colour does). The image keeps what it holds.
inline void paintCalls(const std::vector<Call>& calls, QImage& image,
                       const Palette& palette = Palette::design()) {
    QPainter painter(&image);
    painter.setBrush(Qt::NoBrush);
    int width = -1;
    QRgb colour = 0;
    for (const Call& c : calls) {
        if (c.kind != Call::Line && c.kind != Call::Circle)
            continue;
        const QRgb wanted = palette.of(c.role).rgb();
        if (c.penWidth != width || wanted != colour) {
            width = c.penWidth;
            colour = wanted;
            painter.setPen(QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
        if (c.kind == Call::Line)
            painter.drawLine(QLineF(c.x1, c.y1, c.x2, c.y2));
        else
            painter.drawEllipse(QPointF(c.x1, c.y1), c.x2, c.x2);
    }
}

// The calls painted so on the ground, in a new image of the size, format and pixel ratio of
// `like`.
inline QImage paintedCalls(const std::vector<Call>& calls, const QImage& like,
                           const Palette& palette = Palette::design()) {
    QImage image(like.size(), like.format());
    image.setDevicePixelRatio(like.devicePixelRatio());
    image.fill(palette.ground);
    paintCalls(calls, image, palette);
    return image;
}

} // namespace ravo::test
