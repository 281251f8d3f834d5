// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowRuns.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QtTest>

using namespace ravo;
using namespace ravo::test;

namespace {

bool hasBlueMark(frmRavo& w) {
    for (int x = 157; x <= 745; x += 7)
        if (topmost(w, x, 20, 229, blueMark) >= 0)
            return true;
    return false;
}

} // namespace

// Closing the window during a run ends the run where it stands: the window goes away at
// once, whatever the run is waiting for.
class ClosingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void closeDuringSlowestRun() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QScrollBar*>("HScroll1")->setValue(10000); // one second per point
        w.cmdStart_Click();
        QVERIFY(w.running());
        QVERIFY(w.close());
        QVERIFY(!w.running());
        QVERIFY(!hasBlueMark(w));
        QVERIFY(!w.lastOutcome().completed);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.settings().text(Setting::nStart), std::string("1"));
    }

    // Closing the window closes the question box or the refusal of a run, and ends the run.
    void closeWhileABoxIsOpen_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("text");
        QTest::newRow("question") << "1"
                                  << "Delete probability";
        QTest::newRow("refusal") << "abc"
                                 << "The frequency must be a number";
    }
    void closeWhileABoxIsOpen() {
        QFETCH(QString, frequency);
        QFETCH(QString, text);
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(runToEnd(w));
        w.findChild<QLineEdit*>(u("nKmitočet"))->setText(frequency);
        w.cmdStart_Click();
        QTRY_VERIFY(w.openBox());
        QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(w.openBox());
        QVERIFY(box->text().startsWith(text));
        QVERIFY(box->isVisible());
        QVERIFY(w.close());
        QVERIFY(box.isNull());
        QVERIFY(!w.running());
        QVERIFY(!w.lastOutcome().completed);
        QVERIFY(!w.isVisible());
    }

    // While a run goes on, a click on "Exit" is held back like any other input.
    void exitIsHeldBackDuringARun() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QScrollBar*>("HScroll1")->setValue(100);
        w.cmdStart_Click();
        QTest::mouseClick(w.findChild<QWidget*>("cmdKonec"), Qt::LeftButton);
        QTest::mouseClick(w.findChild<QWidget*>(u("opČervený")), Qt::LeftButton);
        QVERIFY(w.running());
        QTRY_VERIFY_WITH_TIMEOUT(!w.running(), 20000);
        QVERIFY(w.lastOutcome().completed);
        QVERIFY(w.isVisible());
        QCOMPARE(w.settings().text(Setting::nKmitočet), std::string("1"));
    }

    // Resizing, hiding and showing during a run change nothing in the picture or in the
    // run's countdown.
    void pictureSurvivesResizingDuringARun() {
        frmRavo reference;
        QVERIFY(runToEnd(reference));
        reference.surface().endPainting();
        const QImage expected = reference.canvas().image().copy();

        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QScrollBar*>("HScroll1")->setValue(40);
        w.cmdStart_Click();
        for (const auto& step : std::initializer_list<std::function<void()>>{
                 [&w] { w.resize(400, 291); }, [&w] { w.hide(); }, [&w] { w.show(); },
                 [&w] { w.resize(1000, 700); }}) {
            const int point = w.runControl().point();
            step();
            QTRY_VERIFY(w.runControl().point() > point || !w.running());
        }
        w.resize(800, 581);
        QTRY_VERIFY(!w.running());
        QVERIFY(w.lastOutcome().completed);
        QCOMPARE(w.lastOutcome().countdownSteps, std::int64_t(85 * 40 * 200));
        w.surface().endPainting();
        QCOMPARE(w.canvas().image(), expected);
    }
};

QTEST_MAIN(ClosingTest)
#include "tst_closing.moc"
