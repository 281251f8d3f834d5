// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"
#include "SceneGeometry.h"

#include <optional>
#include <string_view>
#include <vector>

namespace ravo {

class SettingsAccess;

// The sum over paths at the detector points of a run, as numbers. The run draws what this
// returns; only the functions that take the settings read them, and nothing here draws.
//
// For detector point i (1 to 85) at detectorX = detectorBaseX + 7 i and path j (0 to
// lastPath) at pathY = openingTopY + 5 j, with faceX = surfaceX(pathY):
//   glassThickness = faceX - glassPlaneX
//   pathDistance   = sqrt((detectorX - faceX)^2 + (pathY - axisY)^2)
//   pathTime       = glassThickness * refractiveFactor + pathDistance
//   phase          = phaseFactor * pathTime
// The arrows of the paths, each spiralStep long and turned by its phase, are added head to
// tail from (detectorX, spiralBaseY) to (sx, sy); with the resultant
// S = (sx - detectorX, sy - spiralBaseY) the probability is
//   P = (Sx^2 + Sy^2) * 0.015 * 0.8
// and its mark stands at markY = markBaseY - markFactor * P.

// How a probability is marked in the colour of the light.
struct MarkStyle {
    Light light;
    double markFactor;

    bool operator==(const MarkStyle&) const = default;
};

// The mark of a frequency: blue for 1, red for 0.5, green for 0.75; none for any other.
std::optional<MarkStyle> markStyle(double frequency);

// The glass factor of a frequency text: chosen by comparing it with the texts that the
// colour buttons write; 0 (no glass time) for a typed number that matches none of them.
double glassFactor(std::string_view frequencyText, bool dispersion);

// The factors of a run, fixed before its first detector point.
struct RunFactors {
    double refractiveFactor = 0; // nIndex times the glass factor of the frequency text
    double phaseFactor = 0;      // the frequency times 0.8

    static RunFactors from(std::string_view frequencyText, bool dispersion, double index);
    static RunFactors from(const SettingsAccess& settings);
};

// The spiral step of the whole lens and of the half lens.
double spiralStepFor(double halfLens);

// Everything the paths of one detector point depend on.
struct PathSumParameters {
    SceneGeometry geometry;
    double radius = 500; // nPoloměr, the radius of the lens face
    RunFactors factors;
    double lastPath = 80; // the paths are j = 0, 1, ... while j <= lastPath
    double spiralStep = 1.5;
    std::optional<MarkStyle> mark;

    // The parameters as the settings give them now, with the run's geometry and factors.
    static PathSumParameters from(const SettingsAccess& settings, const SceneGeometry& geometry,
                                  RunFactors factors);
    // A whole run's parameters from the settings alone.
    static PathSumParameters from(const SettingsAccess& settings);
};

// The result of one detector point, as its mark shows it.
struct PointResult {
    int index = 0; // 1 to 85
    double x = 0;  // detectorX
    double probability = 0;
    std::optional<MarkStyle> mark;
    double markY = 0; // where the mark stands; meaningless without a mark

    bool operator==(const PointResult&) const = default;
};

// One path of a detector point: its height, where it meets the lens face, its trip time and
// phase with the cosine and sine that turn its arrow, and the spiral point its arrow ends at.
struct PathStep {
    double y;
    double faceX;
    double time;
    double phase;
    double cos;
    double sin;
    double spiralX;
    double spiralY;
};

// One detector point with all its paths, in the order they are summed.
struct DetectorTrace {
    PointResult result;
    std::vector<PathStep> paths;
};

class PathSum {
public:
    static constexpr int detectorCount = 85;
    // P is the resultant's length squared times these two, multiplied in this order.
    static constexpr double probabilityScale = 0.015;
    static constexpr double probabilityWeight = 0.8;
    // Their product, as the window that looks inside a point names it.
    static constexpr double probabilityFactor = probabilityScale * probabilityWeight;

    explicit PathSum(const PathSumParameters& parameters) : p_(parameters) {}

    const PathSumParameters& parameters() const { return p_; }

    double detectorX(int i) const { return p_.geometry.detectorBaseX + 7.0 * i; }
    double pathY(int j) const { return p_.geometry.openingTopY + 5.0 * j; }
    double surfaceX(double y) const { return p_.geometry.surfaceX(p_.radius, y); }
    // The phase of the path at height y for a detector point at x.
    double phase(double detectorX, double y) const;
    // The same where the lens face at that height, surfaceX(y), is known.
    double phase(double detectorX, double y, double faceX) const;
    // The trip time: glassThickness * refractiveFactor + pathDistance.
    double pathTime(double detectorX, double y, double faceX) const;
    double glassThickness(double faceX) const { return faceX - p_.geometry.glassPlaneX; }
    double pathDistance(double detectorX, double y, double faceX) const;

    // Detector point i with every path; reuses the capacity of trace.
    void trace(int i, DetectorTrace& trace) const;
    DetectorTrace trace(int i) const;

    // Detector point i alone.
    PointResult point(int i) const;

private:
    PathSumParameters p_;
};

// The 85 detector points of a run with the settings as they are now.
std::vector<PointResult> pointsOf(const SettingsAccess& settings);

} // namespace ravo
