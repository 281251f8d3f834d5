// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PathSum.h"
#include "SceneGeometry.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace ravo {

class SettingsAccess;

inline constexpr std::string_view frequencyRefusal =
    "The frequency must be a number, such as 0.5 (red), 0.75 (green) or 1 (blue).";

// What a run did, for the window and for tests.
struct RunOutcome {
    bool completed = false;          // false when the frequency text was refused
    std::int64_t countdownSteps = 0; // slow-down steps performed, over all detector points
    std::vector<PointResult> points; // the detector points traced, in order
};

// One detector point as the run traced it, reported right after its mark.
struct PointReport {
    int point = 0; // 1 to 85
    double detectorX = 0;
    double probability = 0;
    bool marked = false; // false when the frequency has no mark or the mark kind is unknown
    double markY = 0;
    double markBaseY = 0; // where a bar ends
    Colour colour = 0;
    bool bar = false;
};

// Follows a run: the areas that its erase paints over, and each detector point traced.
class RunListener {
public:
    virtual ~RunListener() = default;
    virtual void erased(double left, double top, double right, double bottom) = 0;
    virtual void pointTraced(const PointReport& report) = 0;
};

// One run started by "Start": the erase, the static scene (axis, glass, outline, blades,
// incoming rays), then the path sum at 85 detector points with its rays, arrows, spirals
// and probability marks, the white sample arrows, and the captions. Every setting is
// read at the moment it is used.
class SimulationRun {
public:
    static constexpr int detectorCount = PathSum::detectorCount;
    static constexpr int samplePointCount = 16;
    static constexpr double arrowLength = 20;

    SimulationRun(SettingsAccess& settings, DrawingSurface& surface);

    RunOutcome perform();

    // Someone to tell about the erase and each detector point; nullptr for nobody.
    void setListener(RunListener* listener) { listener_ = listener; }

    // True when the text of nKmitočet can be used as a frequency: a number by the strict
    // rule whose phases stay finite.
    static bool frequencyUsable(std::string_view text);

private:
    // First half: the scene.
    void erase();
    void eraseRows(int kFirst, int kLast, double left, double right);
    void drawAxis();
    void drawGlass();
    void drawOutline();
    void trimOutline();
    void drawBlades();
    void drawIncomingRays();

    // Second half: the path sum.
    void formFactors();
    void slowDown();
    void traceDetectorPoint(int i);
    void drawMark(const PointResult& point);
    void report(const PointResult& point);
    void reportErased(double left, double top, double right, double bottom);
    void drawWhiteSample();
    void finish();

    SettingsAccess& settings_;
    DrawingSurface& surface_;
    SceneGeometry geometry_;
    RunFactors factors_;
    DetectorTrace trace_; // the detector point being drawn; its capacity is kept
    RunOutcome outcome_;
    RunListener* listener_ = nullptr;
};

} // namespace ravo
