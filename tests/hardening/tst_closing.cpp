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
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QScrollBar*>("HScroll1")->setValue(10000); // one second per point
        w.standAfter(0);
        w.cmdStart_Click();
        RAVO_TRY_VERIFY(w.standsAfter(0));
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
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(runToEnd(w));
        w.findChild<QLineEdit*>(u("nKmitočet"))->setText(frequency);
        w.cmdStart_Click();
        RAVO_TRY_VERIFY(w.openBox());
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
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QScrollBar*>("HScroll1")->setValue(100);
        w.standAfter(5);
        w.cmdStart_Click();
        RAVO_TRY_VERIFY(w.standsAfter(5));
        QTest::mouseClick(w.findChild<QWidget*>("cmdKonec"), Qt::LeftButton);
        QTest::mouseClick(w.findChild<QWidget*>(u("opČervený")), Qt::LeftButton);
        QVERIFY(w.running());
        w.goOn();
        RAVO_TRY_VERIFY(!w.running());
        QVERIFY(w.lastOutcome().completed);
        QVERIFY(w.isVisible());
        QCOMPARE(w.settings().text(Setting::nKmitočet), std::string("1"));
    }

    // Resizing, hiding and showing during a run change nothing in the picture or in the
    // run's countdown.
    void pictureSurvivesResizingDuringARun() {
        TestWindow reference;
        QVERIFY(runToEnd(reference));
        reference.surface().endPainting();
        const QImage expected = reference.canvas().image().copy();

        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QScrollBar*>("HScroll1")->setValue(40);
        int point = 10;
        w.standAfter(point);
        w.cmdStart_Click();
        // Each change while the run stands in a pause; then it goes on to the next stand.
        for (const auto& step : std::initializer_list<std::function<void()>>{
                 [&w] { w.resize(400, 291); }, [&w] { w.hide(); }, [&w] { w.show(); },
                 [&w] { w.resize(1000, 700); }}) {
            RAVO_TRY_VERIFY(w.standsAfter(point));
            step();
            point += 15;
            w.standAfter(point);
        }
        RAVO_TRY_VERIFY(w.standsAfter(point));
        w.resize(800, 581);
        w.goOn();
        RAVO_TRY_VERIFY(!w.running());
        QVERIFY(w.lastOutcome().completed);
        QCOMPARE(w.lastOutcome().countdownSteps, std::int64_t(85 * 40 * 200));
        w.surface().endPainting();
        RAVO_COMPARE_IMAGES(w.canvas().image(), expected);
    }
};

QTEST_MAIN(ClosingTest)
#include "tst_closing.moc"
