// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RunDriver.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>

namespace ravo::test {

// The clock of a test's window: the steady clock, but a run's pause passes at once. Whatever
// a pause is waited for with (the event loop's timer or the driver's own sleep), the clock
// jumps to its end; the drawing between pauses takes its real time, so the run goes on in
// slices and the event loop turns between them as it does for a user.
//
// While a condition given to standWhile() holds, a pause does not pass at all: the run stands
// in it, running, with its time still, and the window's event loop looks again every
// millisecond. So a test can hold a run still at a point of its own choosing, do what it
// means to do "during a run", and let it go on with goOn(), without racing a real pace. A
// run stands only in pauses longer than the driver waits out itself (2 ms: a slow-down of
// more than 20).
class FastClock : public RunClock {
public:
    static constexpr std::chrono::milliseconds lookAgain{1};

    Clock::time_point now() const override {
        if (stillAt_)
            return *stillAt_ + std::chrono::microseconds(looks_++);
        return Clock::now() + skipped_;
    }
    void sleepUntil(Clock::time_point when) const override {
        if (stillAt_) {
            // The driver waits out a pause itself only when the run goes on (a step): its
            // time moves to the end of that pause.
            stillAt_ = std::max(now(), when);
            looks_ = 0;
            return;
        }
        passTo(when);
    }
    Clock::duration waitFor(Clock::time_point when) const override {
        if (standWhile_ && standWhile_()) {
            if (!stillAt_)
                stillAt_ = now();
            looks_ = 0; // the clock stands still between two looks of the event loop
            return lookAgain;
        }
        thaw();
        passTo(when);
        ++pausesPassed_;
        return {};
    }

    // Runs stand in their next pause, and in every one after it, while `condition` holds.
    void standWhile(std::function<bool()> condition) { standWhile_ = std::move(condition); }
    // Pauses pass at once again; a run that stands goes on at the window's next look.
    void goOn() {
        standWhile_ = {};
        thaw();
    }
    // Whether a run stands in a pause now.
    bool standing() const { return stillAt_.has_value(); }
    // The pauses that have passed at once, for checking that a run had pauses to pass.
    int pausesPassed() const { return pausesPassed_; }

private:
    void passTo(Clock::time_point when) const {
        const Clock::time_point at = now();
        if (when > at)
            skipped_ += when - at;
    }
    void thaw() const {
        if (!stillAt_)
            return;
        const Clock::time_point at = now();
        stillAt_.reset();
        skipped_ = at - Clock::now();
    }

    std::function<bool()> standWhile_;
    mutable Clock::duration skipped_{};
    mutable std::optional<Clock::time_point> stillAt_;
    mutable long looks_ = 0;
    mutable int pausesPassed_ = 0;
};

} // namespace ravo::test
