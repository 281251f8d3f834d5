// SPDX-License-Identifier: GPL-3.0-or-later
// The link of a picture as the window writes it, for the page's tests: the window's form and
// run session, without a window, do what the arguments say, and the link of what they drew
// is printed.
//
//   link_of_runs [view:<p|s|h|l...>] [click:<control>] [type:<text>] [scroll:<n>]
//                [run:<yes|no>] [stop:<points>] ...
//
// run: a run to its end, answering the question where it is asked; stop: a run stopped by
// Escape once it has drawn that many points (at a slow-down that pauses after each point).
#include "DrawingSurface.h"
#include "Form.h"
#include "Link.h"
#include "RunSession.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace ravo;

// Time whose pauses pass at once: a run goes through them without waiting, and the rest of
// its time (the drawing, the last moments that the driver counts busily) passes as it does.
class InstantClock : public RunClock {
public:
    Clock::time_point now() const override { return Clock::now() + skipped_; }
    void sleepUntil(Clock::time_point when) const override { pass(when); }
    Clock::duration waitFor(Clock::time_point when) const override {
        pass(when);
        return {};
    }

private:
    void pass(Clock::time_point when) const {
        const Clock::time_point at = now();
        if (when > at)
            skipped_ += when - at;
    }
    mutable Clock::duration skipped_{};
};


[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "link_of_runs: %s\n", why.c_str());
    std::exit(2);
}

// One run: answered `yes` where the question comes, stopped after `stopAt` points (< 0: never).
void run(RunSession& session, bool yes, int stopAt) {
    if (!session.start())
        fail("a run could not start");
    for (;;) {
        const RunSession::Next next = session.advance();
        if (next.wait == RunDriver::Wait::Ended)
            return;
        if (next.wait == RunDriver::Wait::Answer)
            session.answer(yes);
        else if (next.wait == RunDriver::Wait::Acknowledge)
            session.answer(false);
        if (stopAt >= 0 && session.control().point() >= stopAt)
            session.command(Command::Stop);
    }
}

} // namespace

int main(int argc, char** argv) {
    const InstantClock clock;
    Form form;
    NoDrawing surface;
    RunSession session(form, surface, clock);
    form.load();
    ViewOptions view;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const std::size_t colon = arg.find(':');
        if (colon == std::string_view::npos)
            fail("no action in " + std::string(arg));
        const std::string_view action = arg.substr(0, colon);
        const std::string value(arg.substr(colon + 1));
        if (action == "view") {
            for (char c : value)
                (c == 'p'   ? view.projector
                 : c == 's' ? view.shapes
                 : c == 'h' ? view.hideMarks
                            : view.legend) = true;
        } else if (action == "click") {
            form.click(value);
        } else if (action == "type") {
            form.type(value);
        } else if (action == "scroll") {
            form.scroll(std::atoi(value.c_str()));
        } else if (action == "run") {
            run(session, value == "yes", -1);
        } else if (action == "stop") {
            run(session, false, std::atoi(value.c_str()));
        } else {
            fail("no action " + std::string(action));
        }
    }
    std::printf("%s\n", writeLink(linkOf(session.history(), view)).c_str());
    return 0;
}
