// SPDX-License-Identifier: GPL-3.0-or-later
// Holding, stepping and stopping a run through its control, advanced by its driver on a
// clock of the test's own: no window, no waiting.
#include "RunHelpers.h"

#include "RunDriver.h"

#include <QtTest>

#include <chrono>

using namespace ravo;
using namespace ravo::test;
using namespace std::chrono;

namespace {

// Moves on only when told, and by a microsecond at every look, so a busy wait ends.
class TestClock : public RunClock {
public:
    mutable Clock::time_point t{};
    Clock::time_point now() const override { return t += microseconds(1); }
    void sleepUntil(Clock::time_point when) const override { t = std::max(t, when); }
};

struct Harness {
    TableSettings settings;
    RecordingSurface surface;
    RunRecord record;
    RunControl control;
    TestClock clock;
    SimulationRun run{settings, surface, &record};
    std::unique_ptr<RunDriver> driver;

    explicit Harness(const char* slowDown) {
        settings.values[Setting::nSpomaleni] = slowDown;
        record.settings = SettingsRecord(settings);
    }
    RunDriver::Next advance(RunClock::Clock::duration slice = milliseconds(16)) {
        if (!driver)
            driver = std::make_unique<RunDriver>(control, run, clock);
        return driver->advance(slice);
    }
    int resultants() const {
        return int(std::count_if(surface.calls.begin(), surface.calls.end(),
                                 [](const Call& c) { return c.role == Role::Resultant; }));
    }
};

} // namespace

class RunDriverTest : public QObject {
    Q_OBJECT

private slots:
    // Space holds the run in its pause, and the time held moves the pause's end; Right lets
    // it draw exactly one more point, without the pause, and hold again; Escape stops it
    // where it stands.
    void holdStepAndStop() {
        Harness h("10000"); // a second before each point
        RunDriver::Next next = h.advance();
        QCOMPARE(next.wait, RunDriver::Wait::Until);
        QCOMPARE(h.control.state(), RunState::Running);
        QCOMPARE(h.control.point(), 0);
        const auto firstEnd = next.until;

        QVERIFY(h.control.toggleHold());
        QCOMPARE(h.advance().wait, RunDriver::Wait::Held);
        h.clock.t += seconds(5);
        QCOMPARE(h.advance().wait, RunDriver::Wait::Held);
        QVERIFY(h.control.toggleHold());
        next = h.advance();
        QCOMPARE(next.wait, RunDriver::Wait::Until);
        QVERIFY(next.until - firstEnd >= seconds(5));
        QVERIFY(next.until - firstEnd < seconds(5) + milliseconds(1));
        QCOMPARE(h.resultants(), 0);

        h.clock.t = next.until; // the pause has passed: point 1, then the pause before 2
        QCOMPARE(h.advance().wait, RunDriver::Wait::Until);
        QCOMPARE(h.control.point(), 1);

        QVERIFY(h.control.toggleHold());
        QCOMPARE(h.advance().wait, RunDriver::Wait::Held);
        for (int step = 2; step <= 3; ++step) {
            QVERIFY(h.control.step());
            QCOMPARE(h.advance().wait, RunDriver::Wait::Held);
            QCOMPARE(h.control.point(), step);
            QCOMPARE(h.resultants(), step);
        }
        QCOMPARE(h.run.outcome().countdownSteps, 3 * 2'000'000);

        QVERIFY(h.control.stop());
        QCOMPARE(h.advance().wait, RunDriver::Wait::Ended);
        QCOMPARE(h.control.state(), RunState::Stopped);
        QCOMPARE(h.control.point(), 3);
        QCOMPARE(h.record.points.size(), std::size_t(3));
        QVERIFY(!h.run.outcome().completed);
        QVERIFY(h.surface.ofKind(Call::Show).empty());
        QVERIFY(!h.control.stop()); // nothing left to stop
    }

    // A pause counts from the end of the point before it: the time the face takes to show
    // the picture between two slices is part of it, and the time held is not.
    void pauseCountsFromThePointBefore() {
        Harness h("1"); // 0.1 ms before each point
        const auto slice = RunClock::Clock::duration{}; // a slice of one point
        QCOMPARE(h.advance(slice).wait, RunDriver::Wait::Soon);
        QCOMPARE(h.control.point(), 1);
        auto drawn = h.clock.t;
        h.clock.t += microseconds(60); // the face shows the picture
        QCOMPARE(h.advance(slice).wait, RunDriver::Wait::Soon);
        QCOMPARE(h.control.point(), 2);
        // Point 2 was drawn when the 0.1 ms from point 1 had passed, not 0.1 ms later.
        QVERIFY(h.clock.t - drawn >= microseconds(100));
        QVERIFY2(h.clock.t - drawn < microseconds(130),
                 std::to_string((h.clock.t - drawn).count()).c_str());

        drawn = h.clock.t;
        QVERIFY(h.control.toggleHold());
        QCOMPARE(h.advance(slice).wait, RunDriver::Wait::Held);
        h.clock.t += seconds(5);
        QVERIFY(h.control.toggleHold());
        const auto resumed = h.clock.t;
        QCOMPARE(h.advance(slice).wait, RunDriver::Wait::Soon);
        QCOMPARE(h.control.point(), 3);
        // Held between two points, the run still pauses before the next.
        QVERIFY(h.clock.t - resumed >= microseconds(90));
        QVERIFY(h.clock.t - drawn > seconds(5));
    }

    // Left alone, a fast run goes through in slices to its end and counts every step.
    void runsToItsEnd() {
        Harness h("1");
        int slices = 0;
        RunDriver::Next next{};
        do {
            next = h.advance();
            ++slices;
        } while (next.wait != RunDriver::Wait::Ended && slices < 1000);
        QCOMPARE(h.control.state(), RunState::Finished);
        QCOMPARE(h.control.point(), 85);
        QCOMPARE(h.run.outcome().countdownSteps, 85 * 200);
        QVERIFY(h.run.outcome().completed);
        QCOMPARE(h.surface.ofKind(Call::Show).size(), std::size_t(3));
        QCOMPARE(h.record.progress, RunRecord::Progress::Finished);
    }

    // The question holds the run until it is answered; a step at the last point finishes.
    void questionAndLastStep() {
        Harness h("10000");
        h.settings.setText(Setting::nStart, "0");
        RunDriver::Next next = h.advance();
        QCOMPARE(next.wait, RunDriver::Wait::Answer);
        QCOMPARE(QString::fromUtf8(next.text.data(), qsizetype(next.text.size())),
                 QString("Delete probability"));
        QCOMPARE(h.advance().wait, RunDriver::Wait::Answer);
        QCOMPARE(h.record.answer, RunRecord::Answer::Pending);
        h.driver->answer(true);
        QCOMPARE(h.advance().wait, RunDriver::Wait::Until);
        QCOMPARE(h.record.answer, RunRecord::Answer::Yes);

        QVERIFY(h.control.toggleHold());
        QCOMPARE(h.advance().wait, RunDriver::Wait::Held);
        for (int point = 1; point < 85; ++point) {
            QVERIFY(h.control.step());
            QCOMPARE(h.advance().wait, RunDriver::Wait::Held);
        }
        QVERIFY(h.control.step());
        QCOMPARE(h.advance().wait, RunDriver::Wait::Ended);
        QCOMPARE(h.control.state(), RunState::Finished);
    }

    // A refused frequency waits until the refusal is seen and leaves the control idle.
    void refusalLeavesNothing() {
        Harness h("1");
        h.settings.values[Setting::nKmitočet] = "abc";
        QCOMPARE(h.advance().wait, RunDriver::Wait::Acknowledge);
        h.driver->answer(false);
        QCOMPARE(h.advance().wait, RunDriver::Wait::Ended);
        QCOMPARE(h.control.state(), RunState::Idle);
        QVERIFY(h.surface.calls.empty());
    }
};

QTEST_APPLESS_MAIN(RunDriverTest)
#include "tst_rundriver.moc"
