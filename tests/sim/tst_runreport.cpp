// SPDX-License-Identifier: GPL-3.0-or-later
#include "Countdown.h"
#include "RunHelpers.h"

#include <QtTest>

#include <chrono>

using namespace ravo;
using namespace ravo::test;
using namespace std::chrono;

namespace {

// Keeps what a run tells its listener.
struct Listener : RunListener {
    struct Area {
        double left, top, right, bottom;
    };
    std::vector<Area> areas;
    std::vector<PointReport> points;
    std::size_t callsAtFirstPoint = 0;
    const RecordingSurface* surface = nullptr;

    void erased(double left, double top, double right, double bottom) override {
        areas.push_back({left, top, right, bottom});
    }
    void pointTraced(const PointReport& report) override {
        if (points.empty() && surface)
            callsAtFirstPoint = surface->calls.size();
        points.push_back(report);
    }
};

// A surface whose waits are scripted: it never sleeps, and says how long the run has been
// held and whether it is hurried.
struct ScriptedWaits : RecordingSurface {
    std::vector<steady_clock::time_point> deadlines;
    steady_clock::duration held{};
    bool hurried = false;
    std::function<void(ScriptedWaits&)> onWait;

    bool WaitUntil(steady_clock::time_point deadline) override {
        deadlines.push_back(deadline);
        if (onWait)
            onWait(*this);
        return true;
    }
    steady_clock::duration HeldTime() const override { return held; }
    bool Hurried() const override { return hurried; }
};

} // namespace

class RunReportTest : public QObject {
    Q_OBJECT

private slots:
    // Every detector point is reported once, after its mark, with the mark as drawn.
    void pointsReportTheirMarks_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("dots") << "Body";
        QTest::newRow("bars") << "Pruhy";
    }
    void pointsReportTheirMarks() {
        QFETCH(QString, kind);
        TableSettings settings;
        settings.values[Setting::nZobrazení] = kind.toStdString();
        RecordingSurface surface;
        Listener listener;
        listener.surface = &surface;
        SimulationRun run(settings, surface);
        run.setListener(&listener);
        QVERIFY(run.perform().completed);

        const std::vector<Mark> marks = marksOf(surface);
        QCOMPARE(listener.points.size(), std::size_t(SimulationRun::detectorCount));
        QCOMPARE(marks.size(), listener.points.size());
        for (std::size_t i = 0; i < marks.size(); ++i) {
            const PointReport& p = listener.points[i];
            QCOMPARE(p.point, int(i) + 1);
            QCOMPARE(p.detectorX, 150.0 + 7 * p.point);
            QVERIFY(p.marked);
            QCOMPARE(p.bar, kind == "Pruhy");
            QCOMPARE(p.colour, blue);
            QCOMPARE(p.markBaseY, 230.5);
            QCOMPARE(float(p.markY), marks[i].markY);
            QCOMPARE(p.markY, 230.5 - 1.3 * p.probability);
        }
        // The peak at point 52, as the mark shows it.
        QCOMPARE(QString::number(listener.points[51].probability, 'f', 1), QString("134.0"));
        // The first report comes after the first mark, not before it.
        const auto firstMark = std::find_if(surface.calls.begin(), surface.calls.end(),
                                            [](const Call& c) { return c.colour == blue; });
        QVERIFY(std::size_t(firstMark - surface.calls.begin()) < listener.callsAtFirstPoint);
    }

    void frequencyWithoutMarkReportsUnmarkedPoints() {
        TableSettings settings;
        settings.values[Setting::nKmitočet] = "2";
        RecordingSurface surface;
        Listener listener;
        SimulationRun run(settings, surface);
        run.setListener(&listener);
        run.perform();
        QCOMPARE(listener.points.size(), std::size_t(SimulationRun::detectorCount));
        for (const PointReport& p : listener.points)
            QVERIFY(!p.marked);
    }

    // The erase reports the areas it paints over: the prompt's band, and the rows that the
    // answer to the question decides.
    void eraseReportsItsAreas() {
        TableSettings settings;
        settings.values[Setting::nStart] = "0";
        RecordingSurface surface;
        surface.answers = {true, false};
        Listener yes;
        SimulationRun first(settings, surface);
        first.setListener(&yes);
        first.perform();
        QCOMPARE(yes.areas.size(), std::size_t(2));
        QCOMPARE(yes.areas[0].top, 240.0);
        QCOMPARE(yes.areas[0].bottom, 265.0);
        QCOMPARE(yes.areas[1].left, 1.0);
        QCOMPARE(yes.areas[1].top, 26.0);
        QCOMPARE(yes.areas[1].bottom, 580.0);

        Listener no;
        SimulationRun second(settings, surface);
        second.setListener(&no);
        second.perform();
        QCOMPARE(no.areas.size(), std::size_t(2));
        QCOMPARE(no.areas[1].left, 250.0);
        QCOMPARE(no.areas[1].top, 321.0); // below every mark
    }

    // A listener changes nothing that the run draws.
    void listenerLeavesTheDrawingAlone() {
        TableSettings a, b;
        RecordingSurface plain, followed;
        runOnce(a, plain);
        Listener listener;
        SimulationRun run(b, followed);
        run.setListener(&listener);
        run.perform();
        QCOMPARE(followed.calls, plain.calls);
    }

    // Time spent held moves every later deadline by as much.
    void heldTimeMovesTheDeadline() {
        ScriptedWaits surface;
        surface.onWait = [](ScriptedWaits& s) {
            if (s.deadlines.size() == 1)
                s.held += milliseconds(50);
            else
                s.hurried = true; // ends the countdown without waiting
        };
        Countdown countdown(surface);
        QCOMPARE(countdown.run(2'000'000), std::int64_t(2'000'000));
        QCOMPARE(surface.deadlines.size(), std::size_t(2));
        QCOMPARE(surface.deadlines[1] - surface.deadlines[0],
                 steady_clock::duration(milliseconds(50)));
    }

    // A hurried countdown performs all its steps without waiting.
    void hurriedCountdownKeepsItsCount() {
        ScriptedWaits surface;
        surface.hurried = true;
        Countdown countdown(surface);
        QCOMPARE(countdown.run(2'000'000), std::int64_t(2'000'000));
        QVERIFY(surface.deadlines.empty());
        QCOMPARE(surface.keepAlives, 0);
    }
};

QTEST_APPLESS_MAIN(RunReportTest)
#include "tst_runreport.moc"
