// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FastClock.h"
#include "RunControl.h"
#include "Waiting.h"
#include "frmRavo.h"

#include <QtGlobal>

namespace ravo::test {

// Holds the clock for TestWindow: a base made before the window, which keeps a reference to
// the clock, and destroyed after it.
struct HasFastClock {
    FastClock fastClock;
};

// The program's window as every test makes it: on a FastClock, so that a run's pauses pass at
// once and a test waits for what a run does, never for its pace.
class TestWindow : private HasFastClock, public frmRavo {
public:
    explicit TestWindow(Languages* languages = nullptr) : frmRavo(nullptr, languages, fastClock) {}

    FastClock& clock() { return fastClock; }

    // The next run stands in its pause once `points` detector points are drawn (0: in the
    // pause before the first), running, until goOn() or a later standAfter(). The slow-down
    // must be set first, to more than 20: shorter pauses the driver waits out itself.
    void standAfter(int points) {
        const auto pause =
            RunControl::duration(RunControl::stepsFor(settings().number(Setting::nSpomaleni)));
        if (pause <= RunDriver::sleepLimit)
            qFatal("a run stands only in a pause longer than %lld ms",
                   static_cast<long long>(RunDriver::sleepLimit.count()));
        fastClock.standWhile([this, points] { return runControl().point() >= points; });
    }
    void goOn() { fastClock.goOn(); }
    // Whether the run stands in its pause after exactly `points` detector points.
    bool standsAfter(int points) const {
        return fastClock.standing() && running() && runControl().point() == points;
    }
};

} // namespace ravo::test
