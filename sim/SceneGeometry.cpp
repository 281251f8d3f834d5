// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneGeometry.h"

#include "Settings.h"

#include <cmath>

namespace ravo {

SceneGeometry SceneGeometry::from(const SettingsAccess& settings) {
    SceneGeometry g;
    const double c = settings.number(Setting::nClona);
    const double radius = settings.number(Setting::nPoloměr);
    g.axisY = g.frameHeight / 2;
    g.axisEndX = g.frameRight - 50;
    g.glassTopY = g.axisY - 200;
    g.glassBottomY = g.axisY + 200;
    g.openingTopY = c + g.glassTopY;
    g.openingBottomY = g.glassBottomY - c;
    g.surfaceCentreX = (g.glassPlaneX - radius) + 60;
    g.halfFactor = isWholeLens(settings.number(Setting::nPůlLupy)) ? 1.0 : 0.5;
    g.spiralBaseY = g.axisY + 150;
    g.markBaseY = g.axisY - 60;
    return g;
}

double SceneGeometry::surfaceX(const SettingsAccess& settings, double y) const {
    return surfaceX(settings.number(Setting::nPoloměr), y);
}

double SceneGeometry::surfaceX(double radius, double y) const {
    const double dy = y - axisY;
    return surfaceCentreX + std::sqrt(radius * radius - dy * dy);
}

} // namespace ravo
