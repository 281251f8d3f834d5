// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZoomedStyle.h"

#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace ravo {

namespace {

// Draws with a copy of the option whose rectangle is brought back to the design's size,
// under a painter enlarged by the zoom about the rectangle's corner.
template <class Option>
void drawAtDesignSize(const QStyle& base, QStyle::PrimitiveElement element, const Option& option,
                      QPainter& painter, const QWidget* widget, qreal zoom) {
    Option design(option);
    const QRect& r = option.rect;
    design.rect =
        QRect(0, 0, int(std::lround(r.width() / zoom)), int(std::lround(r.height() / zoom)));
    painter.save();
    painter.translate(r.topLeft());
    painter.scale(qreal(r.width()) / design.rect.width(), qreal(r.height()) / design.rect.height());
    base.drawPrimitive(element, &design, &painter, widget);
    painter.restore();
}

} // namespace

ZoomedStyle::ZoomedStyle(QStyle* base) : QProxyStyle(base) {}

int ZoomedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    if (zoom_ == 1 || atDesignSize_)
        return size;
    return int(std::lround(size * zoom_));
}

void ZoomedStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (zoom_ == 1 || !option || !painter || option->rect.width() < 2 ||
        option->rect.height() < 2) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The base style calls back through this one for the parts of a drawing; those are
    // already at the design's size, under the enlarged painter, and so are their sizes.
    const QStyle& base = *baseStyle();
    if (atDesignSize_) {
        base.drawPrimitive(element, option, painter, widget);
        return;
    }
    const QScopedValueRollback<bool> scope(atDesignSize_, true);
    switch (option->type) {
    case QStyleOption::SO_Button:
        drawAtDesignSize(base, element, *static_cast<const QStyleOptionButton*>(option), *painter,
                         widget, zoom_);
        return;
    case QStyleOption::SO_Frame: {
        // The frame's widths came from this style's sizes, enlarged like everything else;
        // drawn at the design's size they are the design's again, or a text box's panel
        // would fill only a strip inside frame lines that wide.
        // A line of the design stays a line: a frame one pixel wide, which its widget gives
        // as it is rather than from this style's sizes, would otherwise round to none from a
        // zoom above 2 on.
        QStyleOptionFrame frame(*static_cast<const QStyleOptionFrame*>(option));
        const auto atDesign = [this](int width) {
            return width > 0 ? std::max(1, int(std::lround(width / zoom_))) : width;
        };
        frame.lineWidth = atDesign(frame.lineWidth);
        frame.midLineWidth = atDesign(frame.midLineWidth);
        drawAtDesignSize(base, element, frame, *painter, widget, zoom_);
        return;
    }
    case QStyleOption::SO_FocusRect:
        drawAtDesignSize(base, element, *static_cast<const QStyleOptionFocusRect*>(option),
                         *painter, widget, zoom_);
        return;
    case QStyleOption::SO_Default:
        drawAtDesignSize(base, element, *option, *painter, widget, zoom_);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
}

// A menu's item is the design's item enlarged: its fixed margins grow with its text.
QSize ZoomedStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                    const QSize& contents, const QWidget* widget) const {
    if (type != CT_MenuItem || zoom_ == 1 || atDesignSize_ || !option)
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item)
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    QStyleOptionMenuItem design(*item);
    QFont font = item->font;
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() / zoom_))));
    design.font = font;
    design.fontMetrics = QFontMetrics(font);
    design.maxIconWidth = int(std::lround(item->maxIconWidth / zoom_));
    design.reservedShortcutWidth = int(std::lround(item->reservedShortcutWidth / zoom_));
    const QScopedValueRollback<bool> scope(atDesignSize_, true);
    const QSize size = baseStyle()->sizeFromContents(
        type, &design, QSize(int(std::lround(contents.width() / zoom_)),
                             int(std::lround(contents.height() / zoom_))),
        widget);
    return QSize(int(std::lround(size.width() * zoom_)), int(std::lround(size.height() * zoom_)));
}

} // namespace ravo
