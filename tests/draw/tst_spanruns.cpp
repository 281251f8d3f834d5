// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasScene.h"
#include "ImageCompare.h"
#include "PainterReference.h"
#include "RecordingSurface.h"
#include "SimulationRun.h"
#include "TableSettings.h"

#include <QtTest>

#include <deque>
#include <vector>

using namespace ravo;
using ravo::test::Scene;
using ravo::test::TableSettings;

namespace {

struct Change {
    Setting setting;
    const char* value;
};

} // namespace

class SpanRunsTest : public QObject {
    Q_OBJECT

private slots:
    // Runs one after another on both pictures, each run with its own settings, each
    // picture compared byte for byte after every run, and with QPainter's drawing of every
    // call so far.
    void runsPaintTheSamePixels_data() {
        QTest::addColumn<std::vector<std::vector<Change>>>("runs");
        QTest::addColumn<std::vector<bool>>("answers");
        using R = std::vector<std::vector<Change>>;
        QTest::newRow("radii, dots, kept and deleted")
            << R{{},
                 {{Setting::nPoloměr, "450"}, {Setting::nKmitočet, "0.5"}},
                 {{Setting::nPoloměr, "400"}, {Setting::nKmitočet, "0.75"}}}
            << std::vector<bool>{false, true};
        QTest::newRow("apertures and half lens in bars")
            << R{{{Setting::nZobrazení, "Pruhy"}, {Setting::nClona, "50"}},
                 {{Setting::nClona, "100"}, {Setting::nKmitočet, "0.5"}},
                 {{Setting::nPůlLupy, "40"}, {Setting::nClona, "0"}},
                 {{Setting::nPůlLupy, "40"}, {Setting::nClona, "100"}}}
            << std::vector<bool>{};
        QTest::newRow("half lens dots, typed frequency, no dispersion")
            << R{{{Setting::nPůlLupy, "40"}, {Setting::nClona, "50"}},
                 {{Setting::nKmitočet, "1.0"}, {Setting::nDisperze, "No"}},
                 {{Setting::nKmitočet, "0.6"}, {Setting::nPůlLupy, "80"}}}
            << std::vector<bool>{false, false};
    }
    void runsPaintTheSamePixels() {
        QFETCH(std::vector<std::vector<Change>>, runs);
        QFETCH(std::vector<bool>, answers);
        Scene spanned(true), painted(false);
        std::deque<bool> spannedAnswers(answers.begin(), answers.end());
        std::deque<bool> paintedAnswers = spannedAnswers;
        auto next = [](std::deque<bool>& from) {
            const bool yes = from.front();
            from.pop_front();
            return yes;
        };
        TableSettings settings;
        test::RecordingSurface recorder;
        recorder.answers.assign(answers.begin(), answers.end());
        int run = 0;
        for (const std::vector<Change>& changes : runs) {
            for (const Change& c : changes)
                settings.setText(c.setting, c.value);
            TableSettings forPainted = settings;
            TableSettings forRecorder = settings;
            QVERIFY(SimulationRun(settings, spanned.surface)
                        .perform([&](std::string_view) { return next(spannedAnswers); })
                        .completed);
            QVERIFY(SimulationRun(forPainted, painted.surface)
                        .perform([&](std::string_view) { return next(paintedAnswers); })
                        .completed);
            QVERIFY(SimulationRun(forRecorder, recorder)
                        .perform([&](std::string_view prompt) { return recorder.ask(prompt); })
                        .completed);
            const QString after = QString("after run %1: ").arg(run);
            const test::ImageDifference betweenSurfaces =
                test::imageDifference(spanned.picture(), painted.picture());
            QVERIFY2(!betweenSurfaces, qPrintable(after + betweenSurfaces.text()));
            const test::ImageDifference againstPainter = test::imageDifference(
                spanned.picture(), test::paintedCalls(recorder.calls, spanned.picture()));
            QVERIFY2(!againstPainter, qPrintable(after + "against QPainter, " + againstPainter.text()));
            ++run;
        }
        QVERIFY(spannedAnswers.empty());
        // The incoming rays, at least, are drawn as spans at either scale; the base lines
        // and the rays of the paths, drawn again for every path, are left out where they
        // stand unchanged: at least for 21 paths of all but the first of 85 points.
        QVERIFY(spanned.surface.spanLineCount() >= 101 * long(runs.size()));
        QCOMPARE(painted.surface.spanLineCount(), 0);
        QVERIFY(spanned.surface.unchangedLineCount() >= 2 * 21 * 84 * long(runs.size()));
        // The runs did draw: the picture is not background alone.
        QVERIFY(test::imageDifference(spanned.picture(), test::paintedCalls({}, spanned.picture())));
    }
};

QTEST_MAIN(SpanRunsTest)
#include "tst_spanruns.moc"
