// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace ravo {

// The window's style at a zoom: every size the style gives (indicators of option buttons
// and check boxes, the scroll bar's buttons, frame widths, spacings) times the zoom, and the
// style's own drawings (indicators, frames, bevels, arrows) drawn at their design size under
// a painter enlarged by the zoom, so that they grow together with the text beside them. At
// zoom 1 it is the plain style.
class ZoomedStyle : public QProxyStyle {
public:
    explicit ZoomedStyle(QStyle* base);

    void setZoom(qreal zoom) { zoom_ = zoom; }
    qreal zoom() const { return zoom_; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget = nullptr) const override;

private:
    qreal zoom_ = 1;
    // While a drawing is made at the design's size: its parts and sizes are not enlarged.
    mutable bool atDesignSize_ = false;
};

} // namespace ravo
