// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulationRun.h"

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

SimulationRun::SimulationRun(SettingsAccess& settings, DrawingSurface& surface, RunRecord* record)
    : settings_(settings), surface_(surface), record_(record) {}

bool SimulationRun::frequencyUsable(std::string_view text) {
    const std::optional<double> f = parseNumber(text);
    return f && std::isfinite(*f) && std::isfinite(*f * 0.8 * longestPathTime);
}

RunSequence SimulationRun::steps() {
    outcome_ = {};
    if (!frequencyUsable(settings_.text(Setting::nKmitočet))) {
        co_yield RunStep::refusal(frequencyRefusal);
        co_return;
    }

    surface_.SetScaleToPixels();
    geometry_ = SceneGeometry::from(settings_);
    if (settings_.text(Setting::nZobrazení) == words::bars) {
        eraseRows(1, 555, 10, geometry_.frameRight);
    } else {
        erasePromptBand();
        if (settings_.number(Setting::nStart) != 1) {
            if (record_)
                record_->answer = RunRecord::Answer::Pending;
            co_yield RunStep::question(deleteQuestion);
            if (record_)
                record_->answer = answer_ ? RunRecord::Answer::Yes : RunRecord::Answer::No;
            if (answer_)
                eraseRows(1, 555, 1, geometry_.frameRight);
            else
                eraseRows(10, 260, 250, geometry_.frameRight); // marks above y = 231 stay
        }
    }
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
        co_yield RunStep::pause(i, slowDownSteps());
        traceDetectorPoint(i);
        co_yield RunStep::pointDone(i);
    }
    drawWhiteSample();
    finish();
}

RunOutcome SimulationRun::perform(const std::function<bool(std::string_view)>& ask) {
    RunSequence sequence = steps();
    while (sequence.next()) {
        const RunStep& step = sequence.step();
        if (step.kind == RunStep::Question)
            answer(ask && ask(step.text));
        else if (step.kind == RunStep::Pause)
            paused(step.steps);
    }
    return outcome_;
}

// --- The scene ------------------------------------------------------------------------

// Rows y = frameHeight - k for k = kFirst to kLast, in background grey.
void SimulationRun::eraseRows(int kFirst, int kLast, double left, double right) {
    for (int k = kFirst; k <= kLast; ++k) {
        const double y = geometry_.frameHeight - k;
        surface_.DrawLine(float(left), float(y), float(right), float(y), Role::Erase);
    }
    erased(left, geometry_.frameHeight - kLast, right, geometry_.frameHeight - kFirst);
}

// The band that holds the prompt "Please press button Start".
void SimulationRun::erasePromptBand() {
    for (int y = 240; y <= 265; ++y)
        surface_.DrawLine(200, float(y), 600, float(y), Role::Erase);
    erased(200, 240, 600, 265);
}

void SimulationRun::erased(double left, double top, double right, double bottom) {
    if (record_)
        record_->erased.push_back({left, top, right, bottom});
}

void SimulationRun::drawAxis() {
    surface_.DrawLine(float(geometry_.glassPlaneX), float(geometry_.axisY),
                      float(geometry_.axisEndX), float(geometry_.axisY), Role::Axis);
}

void SimulationRun::drawGlass() {
    for (int m = 1; m <= 400; ++m) {
        const double y = geometry_.glassTopY + m;
        surface_.DrawLine(float(geometry_.glassPlaneX), float(y),
                          float(geometry_.surfaceX(settings_, y)), float(y), Role::Glass);
    }
}

void SimulationRun::drawOutline() {
    surface_.DrawCircle(float(geometry_.surfaceCentreX), float(geometry_.axisY),
                        float(settings_.number(Setting::nPoloměr)), Role::LensOutline);
}

// Paints away the parts of the outline circle above and below the lens.
void SimulationRun::trimOutline() {
    for (int m = 1; m <= 100; ++m) {
        const float above = float(geometry_.glassTopY - m);
        const float below = float(geometry_.glassBottomY + m);
        surface_.DrawLine(1, above, 100, above, Role::Erase);
        surface_.DrawLine(1, below, 100, below, Role::Erase);
    }
}

// The aperture closes c pixels at each edge; the half lens closes the whole lower half.
void SimulationRun::drawBlades() {
    const auto x = float(geometry_.glassPlaneX);
    const auto bladeEnd = float(geometry_.glassBottomY + 50);
    surface_.DrawLine(x, 20, x, float(geometry_.openingTopY), Role::Blade);
    if (geometry_.halfFactor == 1)
        surface_.DrawLine(x, float(geometry_.openingBottomY), x, bladeEnd, Role::Blade);
    else
        surface_.DrawLine(x, float(geometry_.axisY), x, bladeEnd, Role::Blade);
}

void SimulationRun::drawIncomingRays() {
    for (int k = 0; k <= 100; ++k) {
        const double y = geometry_.glassTopY - 50 + 5 * k;
        surface_.DrawLine(1, float(y), float(geometry_.glassPlaneX), float(y), Role::Ray);
    }
}

// --- The path sum ---------------------------------------------------------------------

void SimulationRun::formFactors() {
    factors_ = RunFactors::from(settings_);
}

std::int64_t SimulationRun::slowDownSteps() const {
    return RunControl::stepsFor(settings_.number(Setting::nSpomaleni));
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
        surface_.DrawLine(0, float(path.y), float(path.faceX + 5), float(path.y), Role::Ray);
        surface_.DrawLine(float(detectorX), float(axisY), float(detectorX + arrowLength * path.cos),
                          float(axisY + arrowLength * path.sin), Role::Arrow);
        surface_.DrawLine(float(geometry_.detectorBaseX), float(baseY), float(geometry_.axisEndX),
                          float(baseY), Role::BaseLine);
        surface_.DrawLine(float(geometry_.detectorBaseX), float(geometry_.markBaseY),
                          float(geometry_.axisEndX), float(geometry_.markBaseY), Role::BaseLine);
        surface_.DrawLine(float(sx), float(sy), float(path.spiralX), float(path.spiralY),
                          Role::Spiral);
        sx = path.spiralX;
        sy = path.spiralY;
    }
    surface_.SetPenWidth(2);
    surface_.DrawLine(float(detectorX), float(baseY), float(sx), float(sy), Role::Resultant);
    drawMark(trace_.result);
    surface_.SetPenWidth(1);
    outcome_.points.push_back(trace_.result);
    if (record_) {
        PointRecord& point = record_->points.emplace_back();
        point.result = trace_.result;
        point.resultantX = sx;
        point.resultantY = sy;
        point.paths.reserve(trace_.paths.size());
        for (const PathStep& path : trace_.paths)
            point.paths.push_back({path.y, path.time, path.phase});
    }
}

void SimulationRun::drawMark(const PointResult& point) {
    if (!point.mark)
        return;
    const std::string kind = settings_.text(Setting::nZobrazení);
    const Role role = markRole(point.mark->light);
    if (kind == words::dots)
        surface_.DrawCircle(float(point.x), float(point.markY), 1, role);
    else if (kind == words::bars)
        surface_.DrawLine(float(point.x), float(point.markY), float(point.x),
                          float(geometry_.markBaseY), role);
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
            surface_.DrawLine(
                float(x), float(geometry_.axisY), float(x + arrowLength * std::cos(angle)),
                float(geometry_.axisY + arrowLength * std::sin(angle)), Role::WhiteSample);
        }
    }
}

void SimulationRun::finish() {
    settings_.setText(Setting::nStart, "0");
    for (std::string_view caption : captionBoxes)
        surface_.ShowControl(caption);
    outcome_.completed = true;
    if (record_)
        record_->progress = RunRecord::Progress::Finished;
}

} // namespace ravo
