// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ravo {

class SettingsAccess;

// nPůlLupy is 80 for the whole lens; any other value opens only its upper half.
inline bool isWholeLens(double halfLens) {
    return halfLens == 80;
}

// The pixel positions of one run, fixed from its start. The curved face of the lens is an
// arc of radius nPoloměr whose vertex lies 60 pixels right of the flat face, on the axis.
struct SceneGeometry {
    double frameHeight = 581;
    double frameRight = 800;
    double glassPlaneX = 50;
    double axisY = 0;
    double axisEndX = 0;
    double glassTopY = 0;
    double glassBottomY = 0;
    double openingTopY = 0;
    double openingBottomY = 0;
    double surfaceCentreX = 0;
    double halfFactor = 1;
    double detectorBaseX = 150;
    double spiralBaseY = 0;
    double markBaseY = 0;

    // Derives the geometry from the aperture nClona, the radius nPoloměr and nPůlLupy.
    static SceneGeometry from(const SettingsAccess& settings);

    // The x of the lens face at height y; the radius is read from the settings at each call.
    double surfaceX(const SettingsAccess& settings, double y) const;
    // The same for a given radius.
    double surfaceX(double radius, double y) const;
};

} // namespace ravo
