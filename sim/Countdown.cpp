// SPDX-License-Identifier: GPL-3.0-or-later
#include "Countdown.h"

#include "DrawingSurface.h"

#include <cmath>

namespace ravo {

std::int64_t Countdown::stepsFor(double slowDown) {
    return std::isfinite(slowDown) && slowDown > 0 ? std::int64_t(std::llround(slowDown)) * 200 : 0;
}

std::int64_t Countdown::run(std::int64_t steps) {
    std::int64_t performed = 0;
    if (steps <= 0)
        return performed;
    const Clock::time_point start = Clock::now();
    const Clock::duration heldBefore = surface_.HeldTime();
    Clock::duration held{};
    bool hurried = surface_.Hurried();
    bool canWait = true;
    Clock::time_point nextFrame = start + displayFrame;
    // Steps whose deadlines had passed at the last look at the clock: they are counted
    // without looking again.
    std::int64_t due = 0;

    // Everything the surface does while the countdown waits may change whether the run is
    // held or hurried; both are read again after each call.
    auto afterSurface = [&] {
        held = surface_.HeldTime() - heldBefore;
        hurried = surface_.Hurried();
        nextFrame = Clock::now() + displayFrame;
    };
    auto dueAt = [&](Clock::time_point now) { return (now - start - held) / stepLength; };

    std::int64_t counter = steps;
    while (counter != 0) {
        --counter;
        ++performed;
        if (hurried || performed <= due)
            continue;
        Clock::time_point now = Clock::now();
        due = dueAt(now);
        while (!hurried && performed > due) {
            const Clock::time_point wakeUp = start + held + steps * stepLength - spinMargin;
            if (canWait && now < wakeUp) {
                canWait = surface_.WaitUntil(wakeUp);
                afterSurface();
            } else if (now >= nextFrame) {
                surface_.KeepAlive();
                afterSurface();
            }
            now = Clock::now();
            due = dueAt(now);
        }
        if (!hurried && now >= nextFrame) {
            surface_.KeepAlive();
            afterSurface();
            due = dueAt(Clock::now());
        }
    }
    return performed;
}

} // namespace ravo
