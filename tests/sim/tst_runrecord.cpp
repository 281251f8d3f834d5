// SPDX-License-Identifier: GPL-3.0-or-later
// A run's record and its replay: the record holds the numbers the run drew from, and
// replaying it draws the run's calls again, up to where the run stood.
#include "RunHelpers.h"

#include "RunRecord.h"

#include <QtTest>

using namespace ravo;
using namespace ravo::test;

namespace {

// The drawing calls alone: a replay asks no question and refuses nothing.
std::vector<Call> drawingCalls(const RecordingSurface& s) {
    std::vector<Call> out;
    for (const Call& c : s.calls)
        if (c.kind != Call::Question && c.kind != Call::Message)
            out.push_back(c);
    return out;
}

std::vector<Call> replayed(const RunRecord& record) {
    RecordingSurface surface;
    replay(record, surface);
    return surface.calls;
}

RunRecord recordedRun(TableSettings& settings, RecordingSurface& surface) {
    RunRecord record;
    record.settings = SettingsRecord(settings);
    runOnce(settings, surface, &record);
    return record;
}

} // namespace

class RunRecordTest : public QObject {
    Q_OBJECT

private slots:
    // Each detector point keeps its result, the head of its resultant and, per path, the
    // height, trip time and phase that the drawing came from.
    void recordHoldsTheNumbersOfEachPoint() {
        TableSettings settings;
        settings.values[Setting::nClona] = "50";
        RecordingSurface surface;
        RunRecord record;
        record.settings = SettingsRecord(settings);
        const RunOutcome outcome = runOnce(settings, surface, &record);

        QCOMPARE(record.progress, RunRecord::Progress::Finished);
        QCOMPARE(record.answer, RunRecord::Answer::NotAsked);
        QCOMPARE(record.points.size(), std::size_t(85));
        const PathSum sum(PathSumParameters::from(record.settings));
        std::vector<Call> resultants;
        for (const Call& c : surface.calls)
            if (c.role == Role::Resultant)
                resultants.push_back(c);
        for (std::size_t i = 0; i < record.points.size(); ++i) {
            const PointRecord& p = record.points[i];
            QCOMPARE(p.result, outcome.points[i]);
            QCOMPARE(p.paths.size(), std::size_t(61));
            QCOMPARE(float(p.resultantX), resultants[i].x2);
            QCOMPARE(float(p.resultantY), resultants[i].y2);
            for (const PathRecord& path : p.paths) {
                const double faceX = sum.surfaceX(path.y);
                QCOMPARE(path.time, sum.pathTime(p.result.x, path.y, faceX));
                QCOMPARE(path.phase, sum.phase(p.result.x, path.y));
            }
        }
        QCOMPARE(record.points[0].paths.front().y, 140.5);
        QCOMPARE(record.points[0].paths.back().y, 440.5);
    }

    // Replaying a finished record draws exactly the calls the run drew, whatever its erase.
    void replayDrawsTheRunAgain_data() {
        QTest::addColumn<QString>("mapping");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("frequency");
        QTest::newRow("first run") << "Body"
                                   << "1" << false << "1";
        QTest::newRow("answered no") << "Body"
                                     << "0" << false << "0.5";
        QTest::newRow("answered yes") << "Body"
                                      << "0" << true << "0.75";
        QTest::newRow("bars") << "Pruhy"
                              << "0" << false << "1";
        QTest::newRow("no mark") << "Body"
                                 << "0" << true << "2";
    }
    void replayDrawsTheRunAgain() {
        QFETCH(QString, mapping);
        QFETCH(QString, start);
        QFETCH(bool, answer);
        QFETCH(QString, frequency);
        TableSettings settings;
        settings.values[Setting::nZobrazení] = mapping.toStdString();
        settings.values[Setting::nStart] = start.toStdString();
        settings.values[Setting::nKmitočet] = frequency.toStdString();
        RecordingSurface surface;
        surface.answers = {answer};
        const RunRecord record = recordedRun(settings, surface);
        QCOMPARE(replayed(record), drawingCalls(surface));
        if (start == "0" && mapping == "Body")
            QCOMPARE(record.answer, answer ? RunRecord::Answer::Yes : RunRecord::Answer::No);
    }

    // A record of a run that has not finished replays up to where the run stood: the band
    // alone while its question is open; its scene and its points after a stop.
    void replayStopsWhereTheRunStood() {
        TableSettings settings;
        settings.setText(Setting::nStart, "0");
        RecordingSurface whole;
        whole.answers = {false};
        RunRecord record = recordedRun(settings, whole);

        RunRecord asking = record;
        asking.answer = RunRecord::Answer::Pending;
        asking.progress = RunRecord::Progress::Drawing;
        asking.points.clear();
        const std::vector<Call> band = replayed(asking);
        QCOMPARE(band.size(), std::size_t(1 + 26)); // SetScaleToPixels and 26 rows
        QVERIFY(std::all_of(band.begin() + 1, band.end(),
                            [](const Call& c) { return c.role == Role::Erase && c.y1 <= 265; }));

        RunRecord stopped = record;
        stopped.progress = RunRecord::Progress::Stopped;
        stopped.points.resize(14);
        const std::vector<Call> calls = replayed(stopped);
        // Everything the whole run drew up to the mark of point 14 and its pen width 1.
        const std::vector<Call> live = drawingCalls(whole);
        std::size_t resultants = 0, end = 0;
        for (; end < live.size() && resultants < 14; ++end)
            resultants += live[end].role == Role::Resultant;
        end += 2; // the mark and the pen width after it
        QCOMPARE(calls, std::vector<Call>(live.begin(), live.begin() + std::ptrdiff_t(end)));
        QVERIFY(std::none_of(calls.begin(), calls.end(),
                             [](const Call& c) { return c.kind == Call::Show; }));
    }

    // A mark is shown until a later run's erase paints over it.
    void marksLeaveWithLaterErases() {
        RunHistory history;
        TableSettings settings;
        RecordingSurface surface;
        history.add(recordedRun(settings, surface));
        settings.values[Setting::nKmitočet] = "0.5";
        surface.answers = {false, true};
        history.add(recordedRun(settings, surface));
        auto shown = [&](std::size_t run) {
            return std::count_if(history.runs()[run].points.begin(),
                                 history.runs()[run].points.end(),
                                 [&](const PointRecord& p) { return history.shown(run, p); });
        };
        QCOMPARE(shown(0), 85);
        QCOMPARE(shown(1), 85);

        history.add(recordedRun(settings, surface)); // answered "Yes"
        QCOMPARE(shown(0), 0);
        QCOMPARE(shown(1), 0);
        QCOMPARE(shown(2), 85);

        // Answered "No" (the answers have run out): the marks above stay; a frequency without a
        // colour draws none of its own.
        settings.setText(Setting::nKmitočet, "2");
        history.add(recordedRun(settings, surface));
        QCOMPARE(shown(2), 85);
        QCOMPARE(shown(3), 0);
    }
};

QTEST_APPLESS_MAIN(RunRecordTest)
#include "tst_runrecord.moc"
