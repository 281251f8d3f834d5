// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"
#include "Palette.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <vector>

namespace ravo::bench {

// One drawing call of a run, as the rasteriser needs it.
struct DrawCall {
    enum Kind { Line, Circle };
    Kind kind;
    float x1, y1, x2, y2; // a line's ends, or a circle's centre and radius
    QRgb colour;
    int penWidth;
};

inline QRgb toRgb(Role role) {
    return Palette::design().of(role).rgb();
}

// Keeps the lines and circles of a run with the pen in force for each, in the design's
// colours. Everything else is dropped.
class CallRecorder : public DrawingSurface {
public:
    std::vector<DrawCall> calls;

    void SetScaleToPixels() override {}
    void SetPenWidth(int width) override { penWidth_ = width; }
    void DrawLine(float x1, float y1, float x2, float y2, Role role) override {
        calls.push_back({DrawCall::Line, x1, y1, x2, y2, toRgb(role), penWidth_});
    }
    void DrawCircle(float x, float y, float radius, Role role) override {
        calls.push_back({DrawCall::Circle, x, y, radius, 0, toRgb(role), penWidth_});
    }
    void ShowControl(std::string_view) override {}

private:
    int penWidth_ = 1;
};

// Draws recorded calls into an image with one painter, changing the pen only when the
// width or colour changes: the least any surface over QPainter has to do.
inline void replay(const std::vector<DrawCall>& calls, QImage& image) {
    QPainter painter(&image);
    painter.setBrush(Qt::NoBrush);
    int width = -1;
    QRgb colour = 0;
    for (const DrawCall& c : calls) {
        if (c.penWidth != width || c.colour != colour) {
            width = c.penWidth;
            colour = c.colour;
            painter.setPen(QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
        if (c.kind == DrawCall::Line)
            painter.drawLine(QLineF(c.x1, c.y1, c.x2, c.y2));
        else
            painter.drawEllipse(QPointF(c.x1, c.y1), c.x2, c.x2);
    }
}

} // namespace ravo::bench
