// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignPlacement.h"

#include <algorithm>
#include <cmath>

namespace ravo {

DesignPlacement DesignPlacement::fitting(QSize client) {
    const qreal zoom = std::max(minimumZoom, std::min(qreal(client.width()) / design.width(),
                                                      qreal(client.height()) / design.height()));
    const QSize shown = clientAt(zoom);
    return {zoom, QPoint(std::max(0, (client.width() - shown.width()) / 2),
                         std::max(0, (client.height() - shown.height()) / 2))};
}

QSize DesignPlacement::clientAt(qreal zoom) {
    return QSize(int(std::ceil(design.width() * zoom - 1e-9)),
                 int(std::ceil(design.height() * zoom - 1e-9)));
}

QSize DesignPlacement::minimumClient() {
    return clientAt(minimumZoom);
}

QRect DesignPlacement::toWindow(const QRect& designArea) const {
    const auto edge = [this](int designPixels) { return int(std::lround(designPixels * zoom)); };
    const int left = edge(designArea.left());
    const int top = edge(designArea.top());
    return QRect(left + offset.x(), top + offset.y(),
                 edge(designArea.left() + designArea.width()) - left,
                 edge(designArea.top() + designArea.height()) - top);
}

} // namespace ravo
