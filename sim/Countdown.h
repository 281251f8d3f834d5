// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>

namespace ravo {

class DrawingSurface;

// The slow-down before each detector point: a countdown of a given number of steps on the
// event thread. Each step lasts half a microsecond, held against a steady clock as an
// absolute deadline, so the pace is the same on every machine. The surface may sleep until
// shortly before the end (waking for events); only the last tenth of a millisecond is
// counted busily. At least once per display frame the surface is kept alive, so the window
// repaints and hears its keys and a close request. Time that the run spends held moves the
// deadlines later; a hurried countdown counts its steps without waiting.
class Countdown {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::nanoseconds stepLength{500};
    // The last part of a pause that is always counted busily, for an exact end.
    static constexpr std::chrono::microseconds spinMargin{100};

    explicit Countdown(DrawingSurface& surface) : surface_(surface) {}

    // Counts steps down to zero; returns the number of steps performed.
    std::int64_t run(std::int64_t steps);

    static Clock::duration duration(std::int64_t steps) { return steps * stepLength; }
    // The steps of the pause before each detector point at a slow-down value: 200 per unit
    // of the value rounded to a whole number, none for a value that is not a positive
    // finite number.
    static std::int64_t stepsFor(double slowDown);

private:
    DrawingSurface& surface_;
};

} // namespace ravo
