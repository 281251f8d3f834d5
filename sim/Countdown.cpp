#include "Countdown.h"

#include "DrawingSurface.h"

namespace ravo {

std::int64_t Countdown::run(std::int64_t steps) {
    std::int64_t performed = 0;
    if (steps <= 0)
        return performed;
    const Clock::time_point start = Clock::now();
    Clock::time_point nextFrame = start + displayFrame;
    std::int64_t counter = steps;
    while (counter != 0) {
        --counter;
        ++performed;
        const Clock::time_point due = start + performed * stepLength;
        Clock::time_point now = Clock::now();
        while (now < due) {
            if (now >= nextFrame) {
                keepAlive_();
                nextFrame = Clock::now() + displayFrame;
            }
            now = Clock::now();
        }
        if (now >= nextFrame) {
            keepAlive_();
            nextFrame = Clock::now() + displayFrame;
        }
    }
    return performed;
}

} // namespace ravo
