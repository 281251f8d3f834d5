// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingSurface.h"
#include "TableSettings.h"
#include "frmRavo.h"

#include <QLineEdit>
#include <QtTest>

using namespace ravo;

// Whatever is typed into the frequency box, a run either goes to its end or is refused
// with a message before anything is drawn; never a crash, a hang, or a coordinate that is
// not a finite number.
class OddInputTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void frequencyTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("runs");
        const struct {
            const char* name;
            QString text;
            bool runs;
        } rows[] = {
            {"empty", "", false},
            {"blanks", "   ", false},
            {"word", "abc", false},
            {"comma", "0,5", false},
            {"one point zero", "1.0", true},
            {"plus one", "+1", true},
            {"minus one", "-1", true},
            {"zero", "0", true},
            {"two", "2", true},
            {"leading point", ".5", true},
            {"trailing point", "5.", true},
            {"exponent", "1e0", true},
            {"largest double", "1e308", false},
            {"beyond double", "1e309", false},
            {"tiny negative", "-1e-400", true},
            {"inf", "inf", false},
            {"nan", "nan", false},
            {"Infinity", "Infinity", false},
            {"hex", "0x1", false},
            {"half sign", QString::fromUtf8("½"), false},
            {"full-width one", QString::fromUtf8("１"), false},
            {"arabic-indic one", QString::fromUtf8("١"), false},
            {"ten thousand ones", QString(10000, '1'), false},
            {"ten thousand letters", QString(10000, 'x'), false},
            {"control characters", QString::fromLatin1("\x01\x02\x1b"), false},
            {"one and a blank", "1 ", true},
            {"blank and red", " 0.5", true},
            {"tab and green", "\t0.75", true},
            {"no-break space", QString::fromUtf8("\u00a01"), false},
            {"zero-width space", QString::fromUtf8("1\u200b"), false},
            {"exponent alone", "e1", false},
            {"dangling exponent", "1e", false},
            {"two signs", "--1", false},
            {"two points", "1.2.3", false},
            {"huge but usable", "1e300", true},
            {"minus zero", "-0", true},
            {"red as exponent", "5e-1", true},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.text << row.runs;
    }

    // Through the run alone: every coordinate handed to the surface is finite.
    void frequencyTexts() {
        QFETCH(QString, text);
        QFETCH(bool, runs);
        test::TableSettings settings;
        settings.values[Setting::nKmitočet] = text.toStdString();
        settings.setText(Setting::nStart, "0");
        test::RecordingSurface surface;
        surface.answers = {false};
        const RunOutcome outcome = SimulationRun(settings, surface).perform();
        QCOMPARE(outcome.completed, runs);
        QCOMPARE(surface.nonFinite, 0);
        if (runs) {
            QCOMPARE(settings.values[Setting::nStart], std::string("0"));
            QCOMPARE(surface.ofKind(test::Call::Show).size(), std::size_t(3));
        } else {
            QCOMPARE(surface.calls.size(), std::size_t(1));
            QCOMPARE(surface.calls[0].kind, test::Call::Message);
        }
    }

    void frequencyTextsInTheWindow_data() { frequencyTexts_data(); }

    // Through the window: a refused text leaves the picture identical byte for byte and
    // the first-run flag as it was.
    void frequencyTextsInTheWindow() {
        QFETCH(QString, text);
        QFETCH(bool, runs);
        frmRavo w;
        int messages = 0;
        w.surface().setMessageSink([&](std::string_view) { ++messages; });
        w.surface().setAnswerProvider([](std::string_view) { return false; });
        auto* box = w.findChild<QLineEdit*>(QString::fromUtf8("nKmitočet"));
        box->setText(text);
        const QImage before = w.canvas().image().copy();
        w.cmdStart_Click();
        QCOMPARE(w.lastOutcome().completed, runs);
        QCOMPARE(messages, runs ? 0 : 1);
        QCOMPARE(w.settings().text(Setting::nStart), std::string(runs ? "0" : "1"));
        if (!runs)
            QVERIFY(w.canvas().image() == before);
        else
            QVERIFY(w.canvas().image() != before);
        QVERIFY(!w.running());
    }
};

QTEST_MAIN(OddInputTest)
#include "tst_oddinput.moc"
