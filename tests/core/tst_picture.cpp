// SPDX-License-Identifier: GPL-3.0-or-later
// The picture beyond its drawing, in the core: the cursor's walk and the description's
// words against the model, marks by shape and hidden through the view, the runs' tones, and
// the picture as a link: written and read back for many random pictures, old links kept
// readable, and what a link from anywhere may be refused for.
#include "Form.h"
#include "IndependentModel.h"
#include "Link.h"
#include "Reading.h"
#include "RecordingSurface.h"
#include "RunSession.h"
#include "Tones.h"
#include "View.h"

#include "FastClock.h"

#include <QtTest>

#include <random>

using namespace ravo;
using namespace std::chrono;

namespace {

struct Window {
    Form form;
    test::RecordingSurface surface;
    test::FastClock clock;
    RunSession session{form, surface, clock};

    Window() { form.load(); }
    void run(bool answer = false) {
        QVERIFY(session.start());
        for (;;) {
            const RunSession::Next next = session.advance();
            if (next.wait == RunDriver::Wait::Ended)
                return;
            if (next.wait == RunDriver::Wait::Answer || next.wait == RunDriver::Wait::Acknowledge)
                session.answer(answer);
        }
    }
};

std::string english(const Text& text) {
    return EnglishTranslator().write(text);
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The peak of the model's run: its point and P.
std::pair<int, double> modelPeak(double R, double k, double f, double c, double n) {
    int best = 1;
    double p = 0;
    for (int i = 1; i <= 85; ++i) {
        const double pi = test::modelPoint(i, R, k, f, c, n).p;
        if (pi > p) {
            p = pi;
            best = i;
        }
    }
    return {best, p};
}

// A picture the controls could make: random settings, answers where asked, some runs
// stopped, typed frequency texts among them.
PictureLink randomPicture(std::mt19937& random) {
    const auto pick = [&](std::initializer_list<const char*> values) {
        std::uniform_int_distribution<std::size_t> d(0, values.size() - 1);
        return std::string(*(values.begin() + d(random)));
    };
    PictureLink link;
    link.view = {random() % 2 == 0, random() % 2 == 0, random() % 2 == 0, random() % 2 == 0};
    const std::size_t runs = random() % 6;
    bool finished = false;
    for (std::size_t r = 0; r < runs; ++r) {
        LinkRun run;
        SettingsRecord& s = run.settings;
        if (random() % 4 == 0) {
            std::string typed;
            const char* pieces[] = {"1.0", " ", "é", "%1", "~", "_", "x", "0", ".", "-", "ÿ", "日"};
            for (std::size_t i = random() % 12; i-- > 0;)
                typed += pieces[random() % std::size(pieces)];
            s.setText(Setting::nKmitočet, typed);
        } else {
            s.setText(Setting::nKmitočet, pick({"0.5", "0.75", "1"}));
        }
        s.setText(Setting::nPoloměr, pick({"400", "450", "500"}));
        s.setText(Setting::nIndex, pick({"0.96", "0.98", "1"}));
        s.setText(Setting::nClona, pick({"0", "50", "100"}));
        s.setText(Setting::nPůlLupy, pick({"40", "80"}));
        s.setText(Setting::nDisperze, pick({"Yes", "No"}));
        s.setText(Setting::nZobrazení, pick({"Body", "Pruhy"}));
        s.setText(Setting::nSpomaleni, std::to_string(1 + random() % 10000));
        s.setText(Setting::nStart, finished ? "0" : "1");
        const bool asked = finished && s[Setting::nZobrazení] == "Body";
        run.answer = !asked ? RunRecord::Answer::NotAsked
                     : random() % 2 ? RunRecord::Answer::Yes
                                    : RunRecord::Answer::No;
        if (random() % 3 == 0) {
            run.progress = RunRecord::Progress::Stopped;
            run.points = int(random() % 85);
        }
        finished = finished || run.progress == RunRecord::Progress::Finished;
        link.runs.push_back(run);
    }
    return link;
}

} // namespace

class PictureTest : public QObject {
    Q_OBJECT

private slots:
    // The cursor starts on the latest run's peak, walks along the run and between runs, and
    // says each mark's words; Up and Down find the same detector point of another run.
    void cursorWalk() {
        Window w;
        MarkCursor cursor(w.session.history());
        QCOMPARE(english(cursor.words()), std::string("No marks yet."));
        QVERIFY(!cursor.move(MarkCursor::Move::Right));
        w.run();
        cursor.recheck();
        const auto [point, p] = modelPeak(500, 0.98 * 2.1, 1, 0, 80);
        QCOMPARE(point, 52);
        QCOMPARE(cursor.place()->index + 1, std::size_t(point));
        char expected[160];
        std::snprintf(expected, sizeof expected, "Run 1: point 52, x = 514: P = %.1f · blue", p);
        QVERIFY2(contains(english(cursor.words()), expected), expected);
        QVERIFY(cursor.move(MarkCursor::Move::Right));
        QVERIFY(contains(english(cursor.words()), "point 53, x = 521"));
        QVERIFY(cursor.move(MarkCursor::Move::Last));
        QVERIFY(!cursor.move(MarkCursor::Move::Right));
        QVERIFY(cursor.move(MarkCursor::Move::First));
        QVERIFY(contains(english(cursor.words()), "point 1, x = 157"));
        QVERIFY(!cursor.move(MarkCursor::Move::Down)); // one run only
        w.form.click("opČervený");
        w.run(false);
        QVERIFY(cursor.move(MarkCursor::Move::Down));
        QVERIFY(contains(english(cursor.words()), "Run 2: point 1, x = 157"));
        QVERIFY(contains(english(cursor.words()), "red, f = 0.5"));
        QVERIFY(cursor.move(MarkCursor::Move::Up));
        QCOMPARE(cursor.place()->run, std::size_t(0));
        // "Yes" erases the first run's marks: the cursor goes to the nearest shown mark.
        w.form.click("OpZelená");
        w.run(true);
        cursor.recheck();
        QCOMPARE(cursor.place()->run, std::size_t(2));
        QVERIFY(contains(english(cursor.words()), "point 1, x = 157"));
    }

    // After blue, red and green kept, the description names each run's focus where the model
    // has it, how wide each peak is, and which comes to its focus nearest the lens.
    void descriptionOfKeptRuns() {
        Window w;
        w.run();
        w.form.click("opČervený");
        w.run(false);
        w.form.click("OpZelená");
        w.run(false);
        std::string all;
        for (const Text& sentence : describePicture(w.session.history(), w.form.settings()))
            all += english(sentence) + "\n";
        QVERIFY(contains(all, "The lens: radius 500, refractive index 0.98, aperture 0, the whole lens open."));
        const std::pair<const char*, std::pair<int, double>> runs[] = {
            {"Run 1, blue", modelPeak(500, 0.98 * 2.1, 1, 0, 80)},
            {"Run 2, red", modelPeak(500, 0.98 * 1.9, 0.5, 0, 80)},
            {"Run 3, green", modelPeak(500, 0.98 * 1.98, 0.75, 0, 80)},
        };
        for (const auto& [name, peak] : runs) {
            char sentence[200];
            std::snprintf(sentence, sizeof sentence, "it comes to its focus at point %d, x = %d, with P = %.1f",
                          peak.first, 150 + 7 * peak.first, peak.second);
            QVERIFY2(contains(all, name) && contains(all, sentence), sentence);
        }
        QCOMPARE(runs[1].second.first, 67);
        QCOMPARE(runs[2].second.first, 60);
        QVERIFY(contains(all, "Run 1 (blue) comes to its focus nearest the lens, run 2 (red) farthest from it."));
        QVERIFY(contains(all, "its peak, where the marks stand above half the highest, is"));
        QVERIFY(contains(english(runEndedText(w.session.history())), "Run 3 finished: it comes to its focus at point 60"));
    }

    // A run stopped early has no focus: the description gives its highest mark so far and
    // compares only the finished runs (its first marks would otherwise be "nearest").
    void descriptionOfAStoppedRun() {
        Window w;
        w.run();
        w.form.click("opČervený");
        w.form.scroll(5000); // a point for each advance
        QVERIFY(w.session.start());
        while (w.session.control().point() < 3) {
            const RunSession::Next next = w.session.advance();
            if (next.wait == RunDriver::Wait::Answer)
                w.session.answer(false);
        }
        QVERIFY(w.session.command(Command::Stop));
        while (w.session.advance().wait != RunDriver::Wait::Ended) {
        }
        const std::size_t reached = w.session.history().runs()[1].points.size();
        QVERIFY(reached >= 3 && reached < 85);
        std::string all;
        for (const Text& sentence : describePicture(w.session.history(), w.form.settings()))
            all += english(sentence) + "\n";
        QVERIFY2(contains(all, "Run 2, red") && contains(all, "not finished (" + std::to_string(reached) +
                                                                  " of 85 points): so far its highest mark is at point"),
                 all.c_str());
        QVERIFY(!contains(all, "comes to its focus nearest"));
        w.form.scroll(1);
        w.form.click("OpZelená");
        w.run(false);
        all.clear();
        for (const Text& sentence : describePicture(w.session.history(), w.form.settings()))
            all += english(sentence) + "\n";
        QVERIFY2(contains(all, "Run 1 (blue) comes to its focus nearest the lens, run 3 (green) farthest from it."),
                 all.c_str());
        QCOMPARE(std::count(all.begin(), all.end(), '\n'), 5L); // the lens, three runs, the comparison
    }

    // Marks by shape: green squares, red triangles, blue dots as drawn, bars dashed and
    // dotted; hidden marks draw nothing else; everything else passes unchanged.
    void marksThroughTheView() {
        test::RecordingSurface plain, seen;
        ViewSurface view(seen);
        view.SetPenWidth(2);
        plain.SetPenWidth(2);
        view.setOptions({false, true, false, false});
        view.DrawCircle(514, 56.3f, 1, Role::MarkBlue);
        plain.DrawCircle(514, 56.3f, 1, Role::MarkBlue);
        QCOMPARE(seen.calls.back().kind, test::Call::Circle);
        view.DrawCircle(570, 80.4f, 1, Role::MarkGreen);
        view.DrawCircle(619, 90.4f, 1, Role::MarkRed);
        int greenRows = 0, redRows = 0;
        float widest = 0, narrowest = 99;
        for (const test::Call& c : seen.calls) {
            if (c.kind != test::Call::Line)
                continue;
            QCOMPARE(c.y1, c.y2);
            QCOMPARE(c.penWidth, 1);
            if (c.role == Role::MarkGreen) {
                ++greenRows;
                QCOMPARE(c.x2 - c.x1, 3.0f);
            } else if (c.role == Role::MarkRed) {
                ++redRows;
                widest = std::max(widest, c.x2 - c.x1);
                narrowest = std::min(narrowest, c.x2 - c.x1);
            }
        }
        QCOMPARE(greenRows, 4);
        QCOMPARE(redRows, 5);
        QVERIFY(widest > narrowest + 3); // a triangle, wider at its base
        QCOMPARE(view.options().shapes, true);
        const std::size_t before = seen.calls.size();
        view.DrawLine(570, 100, 570, 230.5f, Role::MarkGreen);
        QVERIFY(seen.calls.size() - before > 8); // dashes
        view.setOptions({false, false, true, false});
        const std::size_t hidden = seen.calls.size();
        view.DrawCircle(514, 56.3f, 1, Role::MarkBlue);
        view.DrawLine(570, 100, 570, 230.5f, Role::MarkRed);
        QCOMPARE(seen.calls.size(), hidden);
        view.DrawLine(514, 290.5f, 520, 300, Role::Arrow);
        view.DrawLine(514, 440.5f, 534, 400, Role::Resultant);
        QCOMPARE(seen.calls.size(), hidden + 2);
    }

    // One tone per point, silence between, its pitch rising with P, panned left to right;
    // about four seconds for a run.
    void tones() {
        std::vector<double> probabilities;
        for (int i = 0; i < 85; ++i)
            probabilities.push_back(i == 51 ? 134 : 134.0 * (i % 7) / 7);
        const std::vector<float> samples = Tones::run(probabilities, 134);
        const std::size_t per = Tones::toneSamples() + Tones::gapSamples();
        QCOMPARE(samples.size(), 2 * 85 * per);
        const double seconds = double(samples.size()) / 2 / Tones::sampleRate;
        QVERIFY(seconds > 3.5 && seconds < 4.5);
        // Each tone's pitch, by its zero crossings; each gap silent.
        const auto pitchOf = [&](std::size_t tone) {
            int crossings = 0;
            const std::size_t start = tone * per;
            for (std::size_t i = start + 1; i < start + Tones::toneSamples(); ++i) {
                const float a = samples[2 * (i - 1)] + samples[2 * (i - 1) + 1];
                const float b = samples[2 * i] + samples[2 * i + 1];
                crossings += (a < 0) != (b < 0);
            }
            return crossings / 2.0 / Tones::toneSeconds;
        };
        for (std::size_t tone = 0; tone < 85; ++tone) {
            for (std::size_t i = tone * per + Tones::toneSamples(); i < (tone + 1) * per; ++i)
                QCOMPARE(samples[2 * i], 0.0f);
            const double expected = Tones::lowHertz * std::pow(2.0, 2 * probabilities[tone] / 134);
            QVERIFY2(std::fabs(pitchOf(tone) - expected) < expected * 0.06 + 30,
                     qPrintable(QString("%1: %2 Hz for %3").arg(tone).arg(pitchOf(tone)).arg(expected)));
        }
        QVERIFY(pitchOf(51) > pitchOf(50) && pitchOf(6) > pitchOf(1));
        // The first tone sounds in the left ear, the last in the right.
        const auto ear = [&](std::size_t tone, int channel) {
            double energy = 0;
            for (std::size_t i = tone * per; i < tone * per + Tones::toneSamples(); ++i)
                energy += std::fabs(samples[2 * i + std::size_t(channel)]);
            return energy;
        };
        QVERIFY(ear(1, 0) > 10 * ear(1, 1) + 1e-9 || ear(1, 1) < 1e-3);
        QVERIFY(ear(83, 1) > 10 * ear(83, 0));
        QCOMPARE(Tones::point(50, 100, 0, 85).size(), 2 * Tones::toneSamples());
        QCOMPARE(Tones::pitch(std::nan(""), 100), Tones::lowHertz);
    }

    // A link read back is the picture written, for many random pictures; only a fragment's
    // characters; three colour runs in under 200 characters.
    void linksRoundTrip() {
        std::mt19937 random(20261209);
        for (int i = 0; i < 400; ++i) {
            const PictureLink link = randomPicture(random);
            const std::string text = writeLink(link);
            for (char c : text)
                QVERIFY2(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' ||
                             c == '_' || c == '~',
                         text.c_str());
            const auto read = readLink(text);
            QVERIFY2(std::holds_alternative<PictureLink>(read), text.c_str());
            QVERIFY2(std::get<PictureLink>(read) == link, text.c_str());
        }
        Window w;
        w.run();
        w.form.click("opČervený");
        w.run(false);
        w.form.click("OpZelená");
        w.run(false);
        const std::string colours = writeLink(linkOf(w.session.history(), {}));
        QVERIFY2(colours.size() < 200, colours.c_str());
        QCOMPARE(colours, std::string("ravo1_V_F1R500I0.98C0H80DYMOS1A-PF_F0.5R500I0.98C0H80DYMOS1ANPF"
                                      "_F0.75R500I0.98C0H80DYMOS1ANPF"));
    }

    // Links of the first version, kept as they were written, open to the same picture: the
    // records of a link opened are those of the runs it names, as the model has them, and
    // the controls stand as after them.
    void firstVersionLinksOpen() {
        Window w;
        const auto read = readLink("https://school.example/ravo.html#ravo1_Vsl_F1R500I0.98C0H80DYMOS1A-PF"
                                   "_F0.5R500I0.98C0H80DYMOS5000ANPF_Fx312e30R400I1C50H40DNMBS1A-P30");
        QVERIFY(std::holds_alternative<PictureLink>(read));
        const PictureLink& link = std::get<PictureLink>(read);
        QCOMPARE(link.view, (ViewOptions{false, true, false, true}));
        QVERIFY(w.session.load(link));
        const auto& runs = w.session.history().runs();
        QCOMPARE(runs.size(), std::size_t(3));
        QCOMPARE(runs[0].points.size(), std::size_t(85));
        QCOMPARE(runs[1].answer, RunRecord::Answer::No);
        QCOMPARE(runs[2].points.size(), std::size_t(30));
        QCOMPARE(runs[2].progress, RunRecord::Progress::Stopped);
        QCOMPARE(runs[2].settings[Setting::nKmitočet], std::string("1.0"));
        const test::ModelPoint red = test::modelPoint(67, 500, 0.98 * 1.9, 0.5, 0, 80);
        QVERIFY(std::fabs(runs[1].points[66].result.probability - red.p) < 1e-6);
        QVERIFY(std::fabs(runs[0].points[51].result.probability - test::modelPoint(52, 500, 0.98 * 2.1, 1, 0, 80).p) < 1e-6);
        // The controls as after the last run; nStart as its runs left it.
        QCOMPARE(w.form.settings()[Setting::nKmitočet], std::string("1.0"));
        QVERIFY(w.form.checked("opMalý") && w.form.checked("opPůlAno") && w.form.checked("opPruhy"));
        QVERIFY(!w.form.checked("chDisperze"));
        QCOMPARE(w.form.settings()[Setting::nStart], std::string("0"));
        QCOMPARE(w.form.scrollValue(), 1);
        // The next Start runs as usual: bars mode, no question.
        w.run();
        QCOMPARE(w.session.history().runs().size(), std::size_t(4));
    }

    // What a link may be refused for, each with its message; nothing hangs on a long text.
    void refusals() {
        const std::pair<std::string, const char*> cases[] = {
            {"", "This is not a Ravo link."},
            {"hello", "This is not a Ravo link."},
            {"ravo", "This is not a Ravo link."},
            {"ravo2_V_F1R500I0.98C0H80DYMOS1A-PF", "The link comes from a newer Ravo, which this one cannot read."},
            {"ravo1_V_F1R12I0.98C0H80DYMOS1A-PF", "The link holds a setting that no control can make."},
            {"ravo1_V_F1R500I0.98C0H80DYMOS0A-PF", "The link holds a setting that no control can make."},
            {"ravo1_V_F1R500I0.98C0H80DYMOS10001A-PF", "The link holds a setting that no control can make."},
            {"ravo1_V_F1R500I0.98C0H80DYMOS1AYPF", "A run of the link is damaged."},
            {"ravo1_V_F1R500I0.98C0H80DYMOS1A-P85", "A run of the link is damaged."},
            {"ravo1_V_F1R500I0.98C0H80DYMO", "A run of the link is damaged."},
            {"ravo1_Vq", "The link is damaged."},
            {"ravo1_V_Fx" + std::string(82, '3') + "R500I0.98C0H80DYMOS1A-PF", "A frequency text of the link is too long or not text."},
            {"ravo1_V_Fx0aR500I0.98C0H80DYMOS1A-PF", "A frequency text of the link is too long or not text."},
            {"ravo1_V_FxffR500I0.98C0H80DYMOS1A-PF", "A frequency text of the link is too long or not text."},
            {"ravo1_V" + std::string(200000, 'x'), "The link is too long to be one of Ravo's."},
        };
        for (const auto& [text, message] : cases) {
            const auto read = readLink(text);
            QVERIFY2(std::holds_alternative<LinkError>(read), text.substr(0, 60).c_str());
            QCOMPARE(english(std::get<LinkError>(read).message), std::string(message));
        }
        std::string many = "ravo1_V";
        for (int i = 0; i < 10000; ++i)
            many += "_F1R500I0.98C0H80DYMBS1A-PF";
        QCOMPARE(english(std::get<LinkError>(readLink(many)).message),
                 std::string("The link is too long to be one of Ravo's."));
        std::string hundreds = "ravo1_V";
        for (std::size_t i = 0; i <= linkMaxRuns; ++i)
            hundreds += "_F1R500I1C0H80DYMBS1A-PF";
        QVERIFY(hundreds.size() < linkMaxLength);
        QCOMPARE(english(std::get<LinkError>(readLink(hundreds)).message),
                 std::string("The link asks for more runs than Ravo draws."));
        // A typed frequency text of 40 characters is carried as typed, blanks and all.
        const std::string typed = " 1.0 abcdefghijklmnopqrstuvwxyz01234567 ";
        QCOMPARE(typed.size(), std::size_t(40));
        PictureLink link;
        LinkRun run;
        Form form;
        form.load();
        run.settings = form.settings();
        run.settings.setText(Setting::nKmitočet, typed);
        link.runs.push_back(run);
        const auto back = readLink(writeLink(link));
        QCOMPARE(std::get<PictureLink>(back).runs[0].settings[Setting::nKmitočet], typed);
    }

    // An erase undone brings back the marks as "No" would have kept them, before the next run.
    void undoAnErase() {
        Window kept;
        kept.run();
        kept.form.click("opČervený");
        kept.run(false);
        Window erased;
        erased.run();
        QVERIFY(!erased.session.canUndoErase());
        erased.form.click("opČervený");
        erased.run(true);
        QVERIFY(erased.session.canUndoErase());
        QCOMPARE(shownMarks(erased.session.history()), std::size_t(85));
        QVERIFY(erased.session.undoErase());
        QCOMPARE(shownMarks(erased.session.history()), std::size_t(170));
        QVERIFY(!erased.session.canUndoErase());
        QVERIFY(writeLink(linkOf(erased.session.history(), {})) == writeLink(linkOf(kept.session.history(), {})));
        QVERIFY(inspectable(erased.session.history(), {0, 51})); // its paths are back too
        QCOMPARE(erased.form.settings()[Setting::nKmitočet], std::string("0.5"));
        erased.run(true);
        QVERIFY(erased.session.canUndoErase());
        erased.form.click("opPruhy");
        erased.run();
        QVERIFY(!erased.session.canUndoErase()); // a later run: too late
    }
};

QTEST_GUILESS_MAIN(PictureTest)
#include "tst_picture.moc"
