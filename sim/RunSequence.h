// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <coroutine>
#include <cstdint>
#include <exception>
#include <string_view>
#include <utility>

namespace ravo {

// A point at which a run waits for someone else: the window (or a test, or a replay)
// decides when it goes on.
struct RunStep {
    enum Kind {
        Refusal,   // the frequency text is refused; the run ends once the notice is seen
        Question,  // "Delete probability": the run goes on with the answer given to it
        Pause,     // the slow-down before detector point `point`: `steps` countdown steps
        PointDone, // detector point `point` has been drawn, its mark included
    };
    Kind kind = PointDone;
    int point = 0;
    std::int64_t steps = 0;
    std::string_view text;

    static RunStep refusal(std::string_view text) { return {Refusal, 0, 0, text}; }
    static RunStep question(std::string_view text) { return {Question, 0, 0, text}; }
    static RunStep pause(int point, std::int64_t steps) { return {Pause, point, steps, {}}; }
    static RunStep pointDone(int point) { return {PointDone, point, 0, {}}; }
};

// A run as a resumable sequence: a coroutine that draws straight through its loops and
// stops at each RunStep. next() runs it on to its next step and returns false once it has
// ended. Destroying the sequence abandons the run where it stands; nothing is drawn then.
class RunSequence {
public:
    struct promise_type {
        RunStep current;
        std::exception_ptr failure;

        RunSequence get_return_object() {
            return RunSequence(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        std::suspend_always final_suspend() noexcept { return {}; }
        std::suspend_always yield_value(RunStep step) noexcept {
            current = step;
            return {};
        }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { failure = std::current_exception(); }
    };

    RunSequence() = default;
    RunSequence(RunSequence&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    RunSequence& operator=(RunSequence&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    RunSequence(const RunSequence&) = delete;
    RunSequence& operator=(const RunSequence&) = delete;
    ~RunSequence() { reset(); }

    bool next() {
        if (!handle_ || handle_.done())
            return false;
        handle_.resume();
        if (handle_.promise().failure)
            std::rethrow_exception(std::exchange(handle_.promise().failure, {}));
        return !handle_.done();
    }
    const RunStep& step() const { return handle_.promise().current; }
    bool ended() const { return !handle_ || handle_.done(); }
    void reset() {
        if (handle_)
            handle_.destroy();
        handle_ = {};
    }

private:
    explicit RunSequence(std::coroutine_handle<promise_type> handle) : handle_(handle) {}

    std::coroutine_handle<promise_type> handle_;
};

} // namespace ravo
