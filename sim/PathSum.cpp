// SPDX-License-Identifier: GPL-3.0-or-later
#include "PathSum.h"

#include "NumberText.h"
#include "Settings.h"

#include <cmath>
#include <limits>

namespace ravo {

std::optional<MarkStyle> markStyle(double frequency) {
    std::optional<MarkStyle> style;
    if (frequency == 1)
        style = MarkStyle{Light::Blue, 1.3};
    if (frequency == 0.5)
        style = MarkStyle{Light::Red, 1};
    if (frequency == 0.75)
        style = MarkStyle{Light::Green, 1.08};
    return style;
}

double glassFactor(std::string_view frequencyText, bool dispersion) {
    double k = 0;
    if (frequencyText == numberText(0.5))
        k = dispersion ? 1.9 : 2.1;
    if (frequencyText == numberText(0.75))
        k = dispersion ? 1.98 : 2.1;
    if (frequencyText == numberText(1))
        k = 2.1;
    return k;
}

RunFactors RunFactors::from(std::string_view frequencyText, bool dispersion, double index) {
    const double frequency =
        parseNumber(frequencyText).value_or(std::numeric_limits<double>::quiet_NaN());
    return {index * glassFactor(frequencyText, dispersion), frequency * 0.8};
}

RunFactors RunFactors::from(const SettingsAccess& settings) {
    const std::string frequencyText = settings.text(Setting::nKmitočet);
    const bool dispersion = settings.text(Setting::nDisperze) == words::yes;
    return from(frequencyText, dispersion, settings.number(Setting::nIndex));
}

double spiralStepFor(double halfLens) {
    return isWholeLens(halfLens) ? 1.5 : 2.25;
}

PathSumParameters PathSumParameters::from(const SettingsAccess& settings,
                                          const SceneGeometry& geometry, RunFactors factors) {
    PathSumParameters p;
    p.geometry = geometry;
    p.radius = settings.number(Setting::nPoloměr);
    p.factors = factors;
    const double halfLens = settings.number(Setting::nPůlLupy);
    p.lastPath = halfLens - settings.number(Setting::nClona) * 0.4 * geometry.halfFactor;
    p.spiralStep = spiralStepFor(halfLens);
    p.mark = markStyle(settings.number(Setting::nKmitočet));
    return p;
}

PathSumParameters PathSumParameters::from(const SettingsAccess& settings) {
    return from(settings, SceneGeometry::from(settings), RunFactors::from(settings));
}

double PathSum::phase(double detectorX, double y) const {
    return phase(detectorX, y, surfaceX(y));
}

double PathSum::pathDistance(double detectorX, double y, double faceX) const {
    const double dx = detectorX - faceX;
    const double dy = y - p_.geometry.axisY;
    return std::sqrt(dx * dx + dy * dy);
}

double PathSum::pathTime(double detectorX, double y, double faceX) const {
    return glassThickness(faceX) * p_.factors.refractiveFactor + pathDistance(detectorX, y, faceX);
}

double PathSum::phase(double detectorX, double y, double faceX) const {
    return p_.factors.phaseFactor * pathTime(detectorX, y, faceX);
}

namespace {

// Sums the paths of detector point i, handing each path to visit as it is added.
template <typename Visit> PointResult sumPaths(const PathSum& sum, int i, Visit&& visit) {
    const PathSumParameters& p = sum.parameters();
    const double detectorX = sum.detectorX(i);
    const double baseY = p.geometry.spiralBaseY;
    double sx = detectorX;
    double sy = baseY;
    for (int j = 0; j <= p.lastPath; ++j) {
        const double y = sum.pathY(j);
        const double faceX = sum.surfaceX(y);
        const double time = sum.pathTime(detectorX, y, faceX);
        const double angle = p.factors.phaseFactor * time;
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        sx += p.spiralStep * c;
        sy += p.spiralStep * s;
        visit(PathStep{y, faceX, time, angle, c, s, sx, sy});
    }
    const double rx = sx - detectorX;
    const double ry = sy - baseY;
    PointResult result;
    result.index = i;
    result.x = detectorX;
    result.probability = (rx * rx + ry * ry) * PathSum::probabilityScale * PathSum::probabilityWeight;
    result.mark = p.mark;
    if (p.mark)
        result.markY = p.geometry.markBaseY - p.mark->markFactor * result.probability;
    return result;
}

} // namespace

void PathSum::trace(int i, DetectorTrace& trace) const {
    trace.paths.clear();
    trace.result =
        sumPaths(*this, i, [&trace](const PathStep& step) { trace.paths.push_back(step); });
}

DetectorTrace PathSum::trace(int i) const {
    DetectorTrace t;
    trace(i, t);
    return t;
}

PointResult PathSum::point(int i) const {
    return sumPaths(*this, i, [](const PathStep&) {});
}

std::vector<PointResult> pointsOf(const SettingsAccess& settings) {
    const PathSum sum(PathSumParameters::from(settings));
    std::vector<PointResult> points;
    for (int i = 1; i <= PathSum::detectorCount; ++i)
        points.push_back(sum.point(i));
    return points;
}

} // namespace ravo
