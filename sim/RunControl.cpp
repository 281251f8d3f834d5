// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunControl.h"

#include <cmath>

namespace ravo {

std::int64_t RunControl::stepsFor(double slowDown) {
    return std::isfinite(slowDown) && slowDown > 0 ? std::int64_t(std::llround(slowDown)) * 200 : 0;
}

bool RunControl::toggleHold() {
    if (state_ == RunState::Running) {
        state_ = RunState::Held;
        stepping_ = false;
        return true;
    }
    if (state_ == RunState::Held) {
        state_ = RunState::Running;
        stepping_ = false;
        return true;
    }
    return false;
}

bool RunControl::step() {
    if (state_ != RunState::Held)
        return false;
    state_ = RunState::Running;
    stepping_ = true;
    return true;
}

bool RunControl::stop() {
    if (!active())
        return false;
    state_ = RunState::Stopped;
    stepping_ = false;
    return true;
}

void RunControl::start() {
    state_ = RunState::Running;
    point_ = 0;
    stepping_ = false;
}

void RunControl::pointDone(int point) {
    point_ = point;
    if (stepping_ && state_ == RunState::Running) {
        stepping_ = false;
        if (point < detectorCount)
            state_ = RunState::Held;
    }
}

void RunControl::finish() {
    state_ = RunState::Finished;
    stepping_ = false;
}

void RunControl::refused() {
    state_ = RunState::Idle;
    stepping_ = false;
}

} // namespace ravo
