// SPDX-License-Identifier: GPL-3.0-or-later
// The run session as both faces drive it, on a clock of its own: a run from "Start" to its
// end, its question and refusal, the keys and what they mean while a run goes on, the
// settings held still; and what the records tell afterwards (the readout, the tables, the
// description, the point inspector), against the sum over paths written out once more.
#include "Form.h"
#include "IndependentModel.h"
#include "PointDetail.h"
#include "Language.h"
#include "Marks.h"
#include "RecordingSurface.h"
#include "RunSession.h"

#include "FastClock.h"

#include <QtTest>

using namespace ravo;
using namespace std::chrono;

namespace {

struct Window {
    Form form;
    test::RecordingSurface surface;
    test::FastClock clock;
    RunSession session{form, surface, clock};
    int ended = 0;

    Window() {
        form.load();
        session.onEnded([this] { ++ended; });
    }

    // Advances the run until it waits for something else than time.
    RunSession::Next advance() {
        for (;;) {
            const RunSession::Next next = session.advance();
            if (next.wait != RunDriver::Wait::Soon && next.wait != RunDriver::Wait::Until)
                return next;
        }
    }
    // A whole run, its question answered as given.
    void run(bool answer = false) {
        QVERIFY(session.start());
        for (;;) {
            const RunSession::Next next = advance();
            if (next.wait == RunDriver::Wait::Ended)
                return;
            session.answer(answer);
        }
    }
};

std::string english(const Text& text) {
    return EnglishTranslator().write(text);
}

KeyPress press(std::string_view key, bool ctrl = false, bool shift = false) {
    KeyPress k;
    k.key = key;
    k.ctrl = ctrl;
    k.shift = shift;
    return k;
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    // A run from Start to its end: 85 points, the first run flag written, the settings held
    // still meanwhile, and the end told once; a second Start during a run does nothing.
    void aRunToItsEnd() {
        Window w;
        QVERIFY(w.session.start());
        QVERIFY(w.session.running() && w.form.locked());
        QVERIFY(!w.session.start());
        QVERIFY(!w.form.click("opČervený"));
        QCOMPARE(w.advance().wait, RunDriver::Wait::Ended);
        QCOMPARE(w.ended, 1);
        QVERIFY(!w.form.locked() && !w.session.running());
        QCOMPARE(w.session.control().state(), RunState::Finished);
        QCOMPARE(w.session.control().point(), 85);
        QVERIFY(w.session.lastOutcome().completed);
        QCOMPARE(w.form.settings()[Setting::nStart], std::string("0"));
        QCOMPARE(w.session.history().runs().size(), std::size_t(1));
        QCOMPARE(english(w.session.status()), std::string("Finished: 85 of 85 points"));
    }

    // A slow-down of 5000 leaves each pause to the event loop, which this clock lets pass at
    // once; the pause is half a second of its time.
    void pausesGoToTheEventLoop() {
        Window w;
        w.form.scroll(5000);
        QVERIFY(w.session.start());
        const auto before = w.clock.now();
        const RunSession::Next next = w.session.advance();
        QCOMPARE(next.wait, RunDriver::Wait::Until);
        QCOMPARE(next.delay, RunSession::Clock::duration{});
        QVERIFY(w.clock.now() - before >= milliseconds(498));
        QCOMPARE(w.clock.pausesPassed(), 1);
        w.session.close();
        QCOMPARE(w.session.control().state(), RunState::Stopped);
        QVERIFY(!w.session.bandShown()); // closing is no Escape
    }

    // The keys: Space holds and releases, Right steps a held run by one point, Escape
    // stops it and the band says so until the next Start; copying and F1 only while held;
    // Ctrl+Q at any time; repeats and other modifiers mean nothing.
    void keysDuringARun() {
        Window w;
        w.form.scroll(5000);
        QCOMPARE(w.session.commandFor(press("Space")), Command::None); // no run
        QCOMPARE(w.session.commandFor(press("c", true)), Command::CopyPicture);
        QVERIFY(w.session.start());
        QCOMPARE(w.session.commandFor(press("c", true)), Command::None);
        QCOMPARE(w.session.commandFor(press("F1")), Command::None);
        QCOMPARE(w.session.commandFor(press("q", true)), Command::Quit);
        QCOMPARE(w.session.commandFor(press("ArrowRight")), Command::None); // not held
        for (int i = 0; i < 4; ++i)
            w.session.advance();
        const int reached = w.session.control().point();
        QCOMPARE(w.session.commandFor(press(" ")), Command::ToggleHold);
        QVERIFY(w.session.command(Command::ToggleHold));
        QCOMPARE(w.session.advance().wait, RunDriver::Wait::Held);
        QVERIFY(w.session.held() && w.session.takesInput() && w.session.bandShown());
        QCOMPARE(english(w.session.status()),
                 "Held at point " + std::to_string(reached) +
                     " of 85 — Space: go on · →: next point · Esc: stop");
        QCOMPARE(w.session.commandFor(press("C", true, true)), Command::CopyData);
        QCOMPARE(w.session.commandFor(press("F1")), Command::KeysHelp);
        KeyPress repeat = press("ArrowRight");
        repeat.repeat = true;
        QCOMPARE(w.session.commandFor(repeat), Command::None);
        QCOMPARE(w.session.commandFor(press("Space", false, true)), Command::None);
        QCOMPARE(w.session.commandFor(press("PageDown")), Command::Step);
        QVERIFY(w.session.command(Command::Step));
        QCOMPARE(w.advance().wait, RunDriver::Wait::Held);
        QCOMPARE(w.session.control().point(), reached + 1);
        QCOMPARE(w.session.commandFor(press("Escape")), Command::Stop);
        QVERIFY(w.session.command(Command::Stop));
        QCOMPARE(w.advance().wait, RunDriver::Wait::Ended);
        QVERIFY(w.session.bandShown());
        QCOMPARE(english(w.session.status()), "Stopped at point " + std::to_string(reached + 1) + " of 85");
        QCOMPARE(w.session.history().last().progress, RunRecord::Progress::Stopped);
        QCOMPARE(w.form.settings()[Setting::nStart], std::string("1")); // it did not finish
        QVERIFY(w.session.start());
        QVERIFY(!w.session.bandShown());
    }

    // The question of a second run in dots mode, and the refusal of a frequency that is no
    // number, which leaves no record; the refusal says which separator is meant.
    void questionAndRefusal() {
        Window w;
        w.run();
        QVERIFY(w.session.start());
        const RunSession::Next asked = w.advance();
        QCOMPARE(asked.wait, RunDriver::Wait::Answer);
        QCOMPARE(english(RunSession::questionText(asked.text)), std::string("Delete probability"));
        QVERIFY(w.session.waitingForAnswer());
        QCOMPARE(english(w.session.status()), std::string("Waiting for an answer"));
        w.session.answer(false);
        QCOMPARE(w.advance().wait, RunDriver::Wait::Ended);
        QCOMPARE(w.session.history().last().answer, RunRecord::Answer::No);

        w.form.type("0,5");
        QVERIFY(w.session.start());
        QCOMPARE(w.advance().wait, RunDriver::Wait::Acknowledge);
        w.session.answer(false);
        QCOMPARE(w.advance().wait, RunDriver::Wait::Ended);
        QCOMPARE(w.session.history().runs().size(), std::size_t(2));
        QVERIFY(english(RunSession::refusalText(",")).find("not a comma") != std::string::npos);
        QVERIFY(english(RunSession::refusalText(".")).find("not a comma") == std::string::npos);
    }

    // After the default run: the readout of the peak's mark, the table of every mark, the
    // description and the inspector of the peak tell the model's numbers.
    void whatTheMarksTell() {
        Window w;
        w.run();
        const RunHistory& history = w.session.history();
        const test::ModelPoint peak = test::modelPoint(52, 500, 0.98 * 2.1, 1, 0, 80);
        const double markY = 230.5 - 1.3 * peak.p;
        const std::vector<Text> lines = readoutAt(history, peak.x, markY);
        QCOMPARE(lines.size(), std::size_t(1));
        QCOMPARE(english(lines[0]), std::string("Point 52, x = 514: P = 134.0 · blue, f = 1, "
                                                "dispersion on · radius 500, index 0.98, whole "
                                                "lens, aperture 0"));
        Catalog czech("cs");
        QVERIFY(czech.write(lines[0]).find("P = 134,0") != std::string::npos);
        QVERIFY(readoutAt(history, peak.x, markY - 4).empty());

        const Table marks = marksTable(history);
        QCOMPARE(marks.rows.size(), std::size_t(85));
        QCOMPARE(shownMarks(history), std::size_t(85));
        const std::string table = writeTable(marks, EnglishTranslator());
        QVERIFY(table.rfind("run\tcolour\tfrequency", 0) == 0);
        char peakRow[128];
        std::snprintf(peakRow, sizeof peakRow, "\n1\tblue\t1\tdispersion on\t500\t0.98\twhole\t0\t52\t514\t%.3f\t",
                      peak.p);
        QVERIFY2(table.find(peakRow) != std::string::npos, peakRow);
        QCOMPARE(english(copiedMarks(85)), std::string("Copied 85 mark(s) as a table."));

        const auto place = markAt(history, peak.x, markY);
        QVERIFY(place);
        QCOMPARE(place->index, std::size_t(51));
        const auto inspection = inspect(history, *place);
        QVERIFY(inspection);
        QCOMPARE(inspection->point, 52);
        char numbers[64];
        std::snprintf(numbers, sizeof numbers, "Point 52 of 85, x = 514: P = %.3f", peak.p);
        QCOMPARE(english(inspection->numbers), std::string(numbers));
        QCOMPARE(inspection->table.rows.size(), peak.paths.size());
        for (std::size_t j = 0; j < peak.paths.size(); ++j)
            QCOMPARE(english(inspection->table.rows[j][4]), fixedText(peak.paths[j].time, 3));
        QVERIFY(!inspection->shapes.empty());
        // Narrow, the same shapes stand one above the other within 300 units: every line
        // and dot inside, the texts from the left edge on, those beside the plot aside.
        const auto narrow = inspect(history, *place, Inspection::Layout::Narrow);
        QVERIFY(narrow);
        QCOMPARE(narrow->shapes.size(), inspection->shapes.size());
        double lowest = 0;
        for (std::size_t k = 0; k < narrow->shapes.size(); ++k) {
            const Inspection::Shape& s = narrow->shapes[k];
            QCOMPARE(int(s.kind), int(inspection->shapes[k].kind));
            if (s.kind == Inspection::Shape::Kind::Line) {
                for (const double x : {s.x1, s.x2})
                    QVERIFY2(x >= 0 && x <= Inspection::narrowWidth, std::to_string(x).c_str());
                lowest = std::max({lowest, s.y1, s.y2});
            } else if (s.kind == Inspection::Shape::Kind::Label) {
                QCOMPARE(s.fontPixels, inspection->shapes[k].fontPixels);
                QVERIFY(s.x1 >= 0 && s.x1 < Inspection::narrowWidth);
                lowest = std::max(lowest, s.y1 + s.y2);
            }
        }
        QVERIFY(lowest <= Inspection::narrowHeight);
        QVERIFY(lowest > Inspection::narrowHeight - 40); // and no room wasted below
        // Narrow where that shows it larger: a phone held upright, not turned, not a desktop.
        QCOMPARE(inspectionLayoutFor(386, 800), Inspection::Layout::Narrow);
        QCOMPARE(inspectionLayoutFor(840, 360), Inspection::Layout::Wide);
        QCOMPARE(inspectionLayoutFor(600, 440), Inspection::Layout::Wide);
        QVERIFY(!inspectNext(history, {0, 84}, 1));
        QCOMPARE(inspectNext(history, {0, 51}, -1)->index, std::size_t(50));

        // "Yes" to the next run's question erases every mark: none is told any more (red
        // light comes to its focus elsewhere).
        w.form.click("opČervený");
        w.run(true);
        QVERIFY(readoutAt(history, peak.x, markY).empty());
        QVERIFY(!inspect(history, {0, 51}));
    }
};

QTEST_GUILESS_MAIN(SessionTest)
#include "tst_session.moc"
