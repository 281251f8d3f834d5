// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunDriver.h"

#include "SimulationRun.h"

#include <thread>

namespace ravo {

void RunClock::sleepUntil(Clock::time_point when) const {
    std::this_thread::sleep_until(when);
}

const RunClock& RunClock::steady() {
    static const RunClock clock;
    return clock;
}

RunDriver::RunDriver(RunControl& control, SimulationRun& run, const RunClock& clock)
    : control_(control), run_(run), clock_(clock), sequence_(run.steps()) {
    control_.start();
}

RunDriver::Next RunDriver::ended() {
    sequence_.reset();
    pause_.reset();
    pointDrawn_.reset();
    return {Wait::Ended, {}, {}};
}

RunDriver::Next RunDriver::advance(Clock::duration slice) {
    if (waiting_ != Wait::Soon)
        return {waiting_, {}, waitingText_};
    const Clock::time_point sliceEnd = clock_.now() + slice;
    for (;;) {
        switch (control_.state()) {
        case RunState::Held:
            if (!heldSince_)
                heldSince_ = clock_.now();
            return {Wait::Held, {}, {}};
        case RunState::Running:
            break;
        case RunState::Idle:
        case RunState::Stopped:
        case RunState::Finished:
            return ended();
        }
        if (heldSince_) {
            const Clock::duration held = clock_.now() - *heldSince_;
            if (pause_)
                pause_->deadline += held;
            if (pointDrawn_)
                *pointDrawn_ += held;
            heldSince_.reset();
        }
        if (pause_) {
            if (!control_.stepping()) {
                const Clock::time_point now = clock_.now();
                if (pause_->deadline - now > sleepLimit)
                    return {Wait::Until, pause_->deadline, {}};
                if (pause_->deadline - now > spinMargin)
                    clock_.sleepUntil(pause_->deadline - spinMargin);
                while (clock_.now() < pause_->deadline) {
                }
            }
            run_.paused(pause_->steps);
            pause_.reset();
        }

        if (!sequence_.next()) {
            if (refused_)
                control_.refused();
            else
                control_.finish();
            return ended();
        }
        const RunStep& step = sequence_.step();
        switch (step.kind) {
        case RunStep::Refusal:
            refused_ = true;
            waiting_ = Wait::Acknowledge;
            waitingText_ = step.text;
            return {waiting_, {}, waitingText_};
        case RunStep::Question:
            waiting_ = Wait::Answer;
            waitingText_ = step.text;
            return {waiting_, {}, waitingText_};
        case RunStep::Pause:
            pause_ = Pause{step.steps,
                           pointDrawn_.value_or(clock_.now()) + RunControl::duration(step.steps)};
            pointDrawn_.reset();
            break;
        case RunStep::PointDone:
            pointDrawn_ = clock_.now();
            control_.pointDone(step.point);
            if (clock_.now() >= sliceEnd)
                return {Wait::Soon, {}, {}};
            break;
        }
    }
}

void RunDriver::answer(bool yes) {
    if (waiting_ == Wait::Answer)
        run_.answer(yes);
    waiting_ = Wait::Soon;
    waitingText_ = {};
}

} // namespace ravo
