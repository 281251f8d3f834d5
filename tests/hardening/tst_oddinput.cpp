// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingSurface.h"
#include "SimulationRun.h"
#include "TableSettings.h"

#include <QtTest>

using namespace ravo;

// Whatever is typed into the frequency box, a run either goes to its end or is refused
// with a message before anything is drawn; never a crash, a hang, or a coordinate that is
// not a finite number. Which texts are usable is decided by one rule,
// SimulationRun::frequencyUsable, tested with the parser in tst_numbertext and fuzzed; a
// refusal through the run is tst_pathsum's. Here the run at the edges of what it accepts.
class OddInputTest : public QObject {
    Q_OBJECT

private slots:
    void usableExtremesDrawOnlyFiniteCoordinates_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("huge but usable") << "1e300";
        QTest::newRow("huge negative") << "-1e300";
        QTest::newRow("tiny negative") << "-1e-400";
        QTest::newRow("blank and red") << " 0.5";
    }

    void usableExtremesDrawOnlyFiniteCoordinates() {
        QFETCH(QString, text);
        test::TableSettings settings;
        settings.values[Setting::nKmitočet] = text.toStdString();
        settings.setText(Setting::nStart, "0");
        test::RecordingSurface surface;
        surface.answers = {false};
        QVERIFY(SimulationRun::frequencyUsable(settings.values[Setting::nKmitočet]));
        const RunOutcome outcome = SimulationRun(settings, surface).perform();
        QVERIFY(outcome.completed);
        QCOMPARE(surface.nonFinite, 0);
        QCOMPARE(surface.ofKind(test::Call::Show).size(), std::size_t(3));
    }
};

QTEST_APPLESS_MAIN(OddInputTest)
#include "tst_oddinput.moc"
