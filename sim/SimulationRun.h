// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PathSum.h"
#include "RunControl.h"
#include "RunRecord.h"
#include "RunSequence.h"
#include "SceneGeometry.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace ravo {

class SettingsAccess;

inline constexpr std::string_view frequencyRefusal =
    "The frequency must be a number, such as 0.5 (red), 0.75 (green) or 1 (blue).";
inline constexpr std::string_view deleteQuestion = "Delete probability";

// What a run did, for the window and for tests.
struct RunOutcome {
    bool completed = false;          // false when refused or stopped
    std::int64_t countdownSteps = 0; // slow-down steps performed, over all detector points
    std::vector<PointResult> points; // the detector points traced, in order
};

// One run started by "Start": the erase, the static scene (axis, glass, outline, blades,
// incoming rays), then the path sum at 85 detector points with its rays, arrows, spirals
// and probability marks, the white sample arrows, and the captions. Every setting is
// read at the moment it is used. The run is a sequence (steps()) that stops for its
// question, before each detector point for its pause, and after each point's mark.
class SimulationRun {
public:
    static constexpr int detectorCount = PathSum::detectorCount;
    static constexpr int samplePointCount = 16;
    static constexpr double arrowLength = 20;

    // The record, if any, is filled as the run goes: erased areas, answer, points, end.
    SimulationRun(SettingsAccess& settings, DrawingSurface& surface, RunRecord* record = nullptr);

    RunSequence steps();
    // The answer to the question at which the sequence stands; true for "Yes".
    void answer(bool yes) { answer_ = yes; }
    // Counts the steps of a pause that has been waited out (or skipped by a step).
    void paused(std::int64_t steps) { outcome_.countdownSteps += steps; }
    const RunOutcome& outcome() const { return outcome_; }

    // The whole run at once: every question answered by ask (no when there is none), every
    // pause counted without waiting.
    RunOutcome perform(const std::function<bool(std::string_view)>& ask = {});

    // True when the text of nKmitočet can be used as a frequency: a number by the strict
    // rule whose phases stay finite.
    static bool frequencyUsable(std::string_view text);

private:
    // First half: the scene.
    void eraseRows(int kFirst, int kLast, double left, double right);
    void erasePromptBand();
    void drawAxis();
    void drawGlass();
    void drawOutline();
    void trimOutline();
    void drawBlades();
    void drawIncomingRays();

    // Second half: the path sum.
    void formFactors();
    std::int64_t slowDownSteps() const;
    void traceDetectorPoint(int i);
    void drawMark(const PointResult& point);
    void drawWhiteSample();
    void finish();
    void erased(double left, double top, double right, double bottom);

    SettingsAccess& settings_;
    DrawingSurface& surface_;
    RunRecord* record_;
    SceneGeometry geometry_;
    RunFactors factors_;
    DetectorTrace trace_; // the detector point being drawn; its capacity is kept
    RunOutcome outcome_;
    bool answer_ = false;
};

} // namespace ravo
