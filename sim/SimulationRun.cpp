// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulationRun.h"

#include "Countdown.h"
#include "DrawingSurface.h"
#include "NumberText.h"
#include "PathSum.h"
#include "Settings.h"

#include <cmath>
#include <optional>

namespace ravo {

namespace {

// No path takes longer than this: at most 60 pixels of glass at a factor of 2.1, and
// under 810 pixels from the lens face to the farthest detector point.
constexpr double longestPathTime = 1000;

} // namespace

SimulationRun::SimulationRun(SettingsAccess& settings, DrawingSurface& surface)
    : settings_(settings), surface_(surface) {}

bool SimulationRun::frequencyUsable(std::string_view text) {
    const std::optional<double> f = parseNumber(text);
    return f && std::isfinite(*f) && std::isfinite(*f * 0.8 * longestPathTime);
}

RunOutcome SimulationRun::perform() {
    outcome_ = {};
    if (!frequencyUsable(settings_.text(Setting::nKmitočet))) {
        surface_.ShowMessage(frequencyRefusal);
        return outcome_;
    }

    surface_.SetScaleToPixels();
    geometry_ = SceneGeometry::from(settings_);
    erase();
    drawAxis();
    surface_.SetPenWidth(2);
    drawGlass();
    drawOutline();
    trimOutline();
    surface_.SetPenWidth(4);
    drawBlades();
    surface_.SetPenWidth(1);
    drawIncomingRays();

    formFactors();
    for (int i = 1; i <= detectorCount; ++i) {
        slowDown();
        traceDetectorPoint(i);
    }
    drawWhiteSample();
    finish();
    outcome_.completed = true;
    return outcome_;
}

// --- The scene ------------------------------------------------------------------------

// Rows y = frameHeight - k for k = kFirst to kLast, in background grey.
void SimulationRun::eraseRows(int kFirst, int kLast, double left, double right) {
    for (int k = kFirst; k <= kLast; ++k) {
        const double y = geometry_.frameHeight - k;
        surface_.DrawLine(float(left), float(y), float(right), float(y), backgroundGrey);
    }
    reportErased(left, geometry_.frameHeight - kLast, right, geometry_.frameHeight - kFirst);
}

void SimulationRun::erase() {
    if (settings_.text(Setting::nZobrazení) == words::bars) {
        eraseRows(1, 555, 10, geometry_.frameRight);
        return;
    }
    // The band that holds the prompt "Please press button Start".
    for (int y = 240; y <= 265; ++y)
        surface_.DrawLine(200, float(y), 600, float(y), backgroundGrey);
    reportErased(200, 240, 600, 265);
    if (settings_.number(Setting::nStart) == 1)
        return;
    surface_.Flush();
    if (surface_.AskYesNo("Delete probability"))
        eraseRows(1, 555, 1, geometry_.frameRight);
    else
        eraseRows(10, 260, 250, geometry_.frameRight); // marks above y = 231 stay
}

void SimulationRun::drawAxis() {
    surface_.DrawLine(float(geometry_.glassPlaneX), float(geometry_.axisY),
                      float(geometry_.axisEndX), float(geometry_.axisY));
}

void SimulationRun::drawGlass() {
    for (int m = 1; m <= 400; ++m) {
        const double y = geometry_.glassTopY + m;
        surface_.DrawLine(float(geometry_.glassPlaneX), float(y),
                          float(geometry_.surfaceX(settings_, y)), float(y), lightGreen);
    }
}

void SimulationRun::drawOutline() {
    surface_.DrawCircle(float(geometry_.surfaceCentreX), float(geometry_.axisY),
                        float(settings_.number(Setting::nPoloměr)));
}

// Paints away the parts of the outline circle above and below the lens.
void SimulationRun::trimOutline() {
    for (int m = 1; m <= 100; ++m) {
        const float above = float(geometry_.glassTopY - m);
        const float below = float(geometry_.glassBottomY + m);
        surface_.DrawLine(1, above, 100, above, backgroundGrey);
        surface_.DrawLine(1, below, 100, below, backgroundGrey);
    }
}

// The aperture closes c pixels at each edge; the half lens closes the whole lower half.
void SimulationRun::drawBlades() {
    const auto x = float(geometry_.glassPlaneX);
    const auto bladeEnd = float(geometry_.glassBottomY + 50);
    surface_.DrawLine(x, 20, x, float(geometry_.openingTopY));
    if (geometry_.halfFactor == 1)
        surface_.DrawLine(x, float(geometry_.openingBottomY), x, bladeEnd);
    else
        surface_.DrawLine(x, float(geometry_.axisY), x, bladeEnd);
}

void SimulationRun::drawIncomingRays() {
    for (int k = 0; k <= 100; ++k) {
        const double y = geometry_.glassTopY - 50 + 5 * k;
        surface_.DrawLine(1, float(y), float(geometry_.glassPlaneX), float(y));
    }
}

// --- The path sum ---------------------------------------------------------------------

void SimulationRun::formFactors() {
    factors_ = RunFactors::from(settings_);
}

void SimulationRun::slowDown() {
    const std::int64_t steps = Countdown::stepsFor(settings_.number(Setting::nSpomaleni));
    if (Countdown::duration(steps) > displayFrame)
        surface_.Flush(); // the point just drawn shows through the pause
    Countdown countdown(surface_);
    outcome_.countdownSteps += countdown.run(steps);
}

// Draws detector point i from its path sum: per path its ray, its arrow at the point, the
// two base lines and its segment of the spiral; then the resultant and the mark.
void SimulationRun::traceDetectorPoint(int i) {
    const PathSum sum(PathSumParameters::from(settings_, geometry_, factors_));
    sum.trace(i, trace_);
    const double detectorX = trace_.result.x;
    const double axisY = geometry_.axisY;
    const double baseY = geometry_.spiralBaseY;
    double sx = detectorX;
    double sy = baseY;
    for (const PathStep& path : trace_.paths) {
        surface_.DrawLine(0, float(path.y), float(path.faceX + 5), float(path.y));
        surface_.DrawLine(float(detectorX), float(axisY), float(detectorX + arrowLength * path.cos),
                          float(axisY + arrowLength * path.sin));
        surface_.DrawLine(float(geometry_.detectorBaseX), float(baseY), float(geometry_.axisEndX),
                          float(baseY));
        surface_.DrawLine(float(geometry_.detectorBaseX), float(geometry_.markBaseY),
                          float(geometry_.axisEndX), float(geometry_.markBaseY));
        surface_.DrawLine(float(sx), float(sy), float(path.spiralX), float(path.spiralY));
        sx = path.spiralX;
        sy = path.spiralY;
    }
    surface_.SetPenWidth(2);
    surface_.DrawLine(float(detectorX), float(baseY), float(sx), float(sy), green);
    drawMark(trace_.result);
    report(trace_.result);
    surface_.SetPenWidth(1);
    outcome_.points.push_back(trace_.result);
}

void SimulationRun::drawMark(const PointResult& point) {
    if (!point.mark)
        return;
    const std::string kind = settings_.text(Setting::nZobrazení);
    if (kind == words::dots)
        surface_.DrawCircle(float(point.x), float(point.markY), 1, point.mark->colour);
    else if (kind == words::bars)
        surface_.DrawLine(float(point.x), float(point.markY), float(point.x),
                          float(geometry_.markBaseY), point.mark->colour);
}

void SimulationRun::report(const PointResult& point) {
    if (!listener_)
        return;
    PointReport report{point.index, point.x, point.probability};
    const std::string kind = settings_.text(Setting::nZobrazení);
    if (point.mark && (kind == words::dots || kind == words::bars)) {
        report.marked = true;
        report.markY = point.markY;
        report.markBaseY = geometry_.markBaseY;
        report.colour = point.mark->colour;
        report.bar = kind == words::bars;
    }
    listener_->pointTraced(report);
}

void SimulationRun::reportErased(double left, double top, double right, double bottom) {
    if (listener_)
        listener_->erased(left, top, right, bottom);
}

// White arrows at every fifth detector point. The bound is nPůlLupy itself, whatever the
// aperture, so the sample always has 81 (or 41) arrows per point.
void SimulationRun::drawWhiteSample() {
    for (int i = 1; i <= samplePointCount; ++i) {
        const PathSum sum(PathSumParameters::from(settings_, geometry_, factors_));
        const double x = geometry_.detectorBaseX + 35.0 * i;
        const double last = settings_.number(Setting::nPůlLupy);
        for (int j = 0; j <= last; ++j) {
            const double angle = sum.phase(x, sum.pathY(j));
            surface_.DrawLine(float(x), float(geometry_.axisY),
                              float(x + arrowLength * std::cos(angle)),
                              float(geometry_.axisY + arrowLength * std::sin(angle)), white);
        }
    }
}

void SimulationRun::finish() {
    settings_.setText(Setting::nStart, "0");
    surface_.ShowControl("nPravděpodobnost");
    surface_.ShowControl("nSoučetRadiusvektorů");
    surface_.ShowControl("nClonaOtvor");
}

} // namespace ravo
