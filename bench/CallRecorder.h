// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Palette.h"
#include "RecordingSurface.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <vector>

namespace ravo::bench {

using test::Call;

// Draws recorded calls into an image with one painter in the design's colours, changing
// the pen only when the width or colour changes: the least any surface over QPainter has
// to do.
inline void replay(const std::vector<Call>& calls, QImage& image) {
    QPainter painter(&image);
    painter.setBrush(Qt::NoBrush);
    int width = -1;
    QRgb colour = 0;
    for (const Call& c : calls) {
        if (c.kind != Call::Line && c.kind != Call::Circle)
            continue;
        const QRgb wanted = Palette::design().of(c.role).rgb();
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

} // namespace ravo::bench
