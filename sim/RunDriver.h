// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RunControl.h"
#include "RunSequence.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ravo {

class SimulationRun;

// The time as the run's driver sees it. The steady clock for a window; a test's own.
class RunClock {
public:
    using Clock = std::chrono::steady_clock;
    virtual ~RunClock() = default;
    virtual Clock::time_point now() const { return Clock::now(); }
    virtual void sleepUntil(Clock::time_point when) const;
    // How long an event loop is to wait, from now, for `when` to come: a test's clock lets
    // the time pass at once and says zero.
    virtual Clock::duration waitFor(Clock::time_point when) const { return when - now(); }

    static const RunClock& steady();
};

// Advances a run by slices from an event loop: advance() goes on through the run's
// sequence until the run has to wait, and says what for and until when; the caller shows
// what was drawn, then calls advance() again at that time, after an answer, or after a key.
//
// The slow-down before each detector point is its number of half-microsecond steps against
// the clock, as an absolute deadline: a pause with more than `sleepLimit` left is left to the
// caller's event loop (Wait::Until), the rest is slept and, for its last `spinMargin`,
// counted busily, so that the pace is the same on every machine. Time spent held moves the
// deadline later; a stepped run skips its pause. A slice ends after the first detector
// point past its length, so the caller shows the picture at least that often. A pause counts
// from the end of the point before it: showing the picture between two slices takes from
// the pause, not beyond it.
class RunDriver {
public:
    using Clock = RunClock::Clock;
    static constexpr std::chrono::milliseconds sleepLimit{2};
    static constexpr std::chrono::microseconds spinMargin{100};

    enum class Wait {
        Soon,        // the slice is used up: show the picture and go on at once
        Until,       // a pause: go on at `until` (or before; the driver waits out the rest)
        Answer,      // the question `text` is open: answer(), then go on
        Acknowledge, // the refusal `text` is shown: answer() once it is seen, then go on
        Held,        // held: go on after a key changes the control's state
        Ended,       // finished, stopped or refused
    };
    struct Next {
        Wait wait;
        Clock::time_point until{};
        std::string_view text;
    };

    RunDriver(RunControl& control, SimulationRun& run, const RunClock& clock = RunClock::steady());

    Next advance(Clock::duration slice);
    // The answer to the open question (true for "Yes"), or that the refusal was seen.
    void answer(bool yes);
    bool waitingForAnswer() const { return waiting_ != Wait::Soon; }

private:
    struct Pause {
        std::int64_t steps;
        Clock::time_point deadline;
    };
    Next ended();

    RunControl& control_;
    SimulationRun& run_;
    const RunClock& clock_;
    RunSequence sequence_;
    std::optional<Pause> pause_;
    // When the last detector point was drawn: the next point's pause counts from there, so
    // that the time the face takes to show the picture between two slices is part of it.
    std::optional<Clock::time_point> pointDrawn_;
    std::optional<Clock::time_point> heldSince_;
    Wait waiting_ = Wait::Soon; // Answer or Acknowledge while a box is open
    std::string_view waitingText_;
    bool refused_ = false;
};

} // namespace ravo
