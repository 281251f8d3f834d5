// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace ravo {

// Where the window's design, 800 x 581 pixels with every control and the whole picture,
// stands in a client area of some size: enlarged or reduced by one factor, the zoom, and
// centred, with the window's grey around it. At the design size the zoom is 1 and the
// design fills the client area exactly.
struct DesignPlacement {
    static constexpr QSize design{designWidth, designHeight};
    static constexpr qreal minimumZoom = ravo::minimumZoom;

    qreal zoom = 1;
    QPoint offset;

    // The largest zoom at which the design fits the client area, centred in it.
    static DesignPlacement fitting(QSize client);
    // The smallest client area that still shows the whole design.
    static QSize minimumClient();
    // The client area of the design at a zoom.
    static QSize clientAt(qreal zoom);

    // A point of the client area in the design's pixels, and back.
    QPointF toDesign(QPointF windowPoint) const { return (windowPoint - QPointF(offset)) / zoom; }
    QPointF toWindow(QPointF designPoint) const { return designPoint * zoom + QPointF(offset); }
    QRectF toWindow(const QRectF& designArea) const {
        return QRectF(toWindow(designArea.topLeft()), designArea.size() * zoom);
    }
    // A rectangle of the design on the window, its edges rounded to whole pixels, so that
    // neighbouring rectangles stay neighbours at any zoom.
    QRect toWindow(const QRect& designArea) const;
    // The design's whole area on the window.
    QRect designArea() const { return toWindow(QRect(QPoint(0, 0), design)); }

    bool operator==(const DesignPlacement&) const = default;
};

} // namespace ravo
