// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingCanvas.h"
#include "QtDrawingSurface.h"
#include "RecordingSurface.h"
#include "SimulationRun.h"
#include "TableSettings.h"

#include <QtTest>

#include <deque>
#include <vector>

using namespace ravo;
using ravo::test::TableSettings;

namespace {

// A bare window with a canvas and its surface, drawing with or without spans.
struct Scene {
    QWidget window;
    DrawingCanvas* canvas;
    QtDrawingSurface surface;
    std::deque<bool> answers;

    explicit Scene(bool spans) : canvas(new DrawingCanvas(&window)), surface(*canvas) {
        window.resize(820, 600);
        canvas->setGeometry(window.rect());
        surface.setSpanLines(spans);
    }
    bool answer() {
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    const QImage& picture() {
        surface.settle();
        return canvas->image();
    }
};

// The calls of a run as QPainter draws them, one by one with round ends, on an image of the
// canvas's size and factor: what the picture must be, however quickly it was made.
QImage byQPainter(const std::vector<test::Call>& calls, const QImage& like) {
    QImage image(like.size(), like.format());
    image.setDevicePixelRatio(like.devicePixelRatio());
    image.fill(Palette::design().ground);
    QPainter painter(&image);
    for (const test::Call& c : calls) {
        if (c.kind != test::Call::Line && c.kind != test::Call::Circle)
            continue;
        painter.setPen(QPen(Palette::design().of(c.role), c.penWidth, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        if (c.kind == test::Call::Line)
            painter.drawLine(QLineF(c.x1, c.y1, c.x2, c.y2));
        else
            painter.drawEllipse(QPointF(c.x1, c.y1), c.x2, c.x2);
    }
    return image;
}

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
        spanned.answers.assign(answers.begin(), answers.end());
        painted.answers = spanned.answers;
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
                        .perform([&](std::string_view) { return spanned.answer(); })
                        .completed);
            QVERIFY(SimulationRun(forPainted, painted.surface)
                        .perform([&](std::string_view) { return painted.answer(); })
                        .completed);
            QVERIFY(SimulationRun(forRecorder, recorder)
                        .perform([&](std::string_view prompt) { return recorder.ask(prompt); })
                        .completed);
            QVERIFY2(spanned.picture() == painted.picture(),
                     qPrintable(QString("after run %1").arg(run)));
            QVERIFY2(spanned.picture() == byQPainter(recorder.calls, spanned.picture()),
                     qPrintable(QString("after run %1, against QPainter").arg(run)));
            ++run;
        }
        QVERIFY(spanned.answers.empty());
        // The incoming rays, at least, are drawn as spans at either scale; the base lines
        // and the rays of the paths, drawn again for every path, are left out where they
        // stand unchanged: at least for 21 paths of all but the first of 85 points.
        QVERIFY(spanned.surface.spanLineCount() >= 101 * long(runs.size()));
        QCOMPARE(painted.surface.spanLineCount(), 0);
        QVERIFY(spanned.surface.unchangedLineCount() >= 2 * 21 * 84 * long(runs.size()));
        // The runs did draw: the picture is not background alone.
        QImage grey(spanned.picture().size(), spanned.picture().format());
        grey.setDevicePixelRatio(spanned.picture().devicePixelRatio());
        grey.fill(Palette::design().ground);
        QVERIFY(spanned.picture() != grey);
    }
};

QTEST_MAIN(SpanRunsTest)
#include "tst_spanruns.moc"
