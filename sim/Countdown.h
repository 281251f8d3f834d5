#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace ravo {

// The slow-down before each detector point: a busy countdown of a given number of steps
// on the event thread. Each step lasts half a microsecond, held against a steady clock,
// so the pace is the same on every machine. While it counts, keepAlive is called about
// once per display frame so the window can repaint and hear a close request.
class Countdown {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::nanoseconds stepLength{500};

    explicit Countdown(std::function<void()> keepAlive) : keepAlive_(std::move(keepAlive)) {}

    // Counts steps down to zero; returns the number of steps performed.
    std::int64_t run(std::int64_t steps);

    static Clock::duration duration(std::int64_t steps) { return steps * stepLength; }

private:
    std::function<void()> keepAlive_;
};

} // namespace ravo
