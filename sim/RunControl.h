// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>

namespace ravo {

// Where a run stands, for the window, the keys and anyone who reads it.
enum class RunState {
    Idle,     // no run yet, or the last one was refused
    Running,  // drawing, or pausing before its next detector point
    Held,     // waiting for Space, Right/Page Down or Escape
    Stopped,  // ended by Escape or by closing, with what it drew
    Finished, // completed, captions shown
};

// The run's control: hold, step and stop, and how far the run has got. Space holds a running
// run and releases a held one; Right or Page Down lets a held run draw its next detector
// point without its pause and hold again after it (unless it was the last); Escape stops it.
// Nothing here knows a clock or a window: the run's driver reads the state at each of its
// steps, and the window only forwards the keys.
class RunControl {
public:
    // Each countdown step of the slow-down lasts half a microsecond.
    static constexpr std::chrono::nanoseconds stepLength{500};
    static constexpr int detectorCount = 85;

    // The pause before each detector point at a slow-down value: 200 steps per unit of the
    // value rounded to a whole number, none for a value that is not a positive finite number.
    static std::int64_t stepsFor(double slowDown);
    static std::chrono::nanoseconds duration(std::int64_t steps) { return steps * stepLength; }

    RunState state() const { return state_; }
    // Detector points drawn so far in the current (or last) run, 0 to 85.
    int point() const { return point_; }
    bool active() const { return state_ == RunState::Running || state_ == RunState::Held; }
    // True while a held run is let through to its next mark: its pause is skipped.
    bool stepping() const { return stepping_; }

    // The keys; each returns whether it changed anything.
    bool toggleHold();
    bool step();
    bool stop();

    // What the run's driver reports.
    void start();
    void pointDone(int point);
    void finish();
    void refused();

private:
    RunState state_ = RunState::Idle;
    int point_ = 0;
    bool stepping_ = false;
};

} // namespace ravo
