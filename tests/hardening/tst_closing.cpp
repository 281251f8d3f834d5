// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunProbe.h"
#include "frmRavo.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QtTest>

using namespace ravo;
using ravo::test::openBox;
using test::RunProbe;

namespace {

bool hasBlueMark(frmRavo& w) {
    w.surface().settle();
    const QImage& image = w.canvas().image();
    const qreal r = image.devicePixelRatio();
    for (int x = 150; x <= 750; ++x)
        for (int y = 20; y <= 229; ++y)
            if (image.pixel(int(x * r), int(y * r)) == qRgb(0, 0, 255))
                return true;
    return false;
}

} // namespace

// Closing the window during a run ends the run at its next drawing or countdown step; the
// window goes away at once instead of after the run.
class ClosingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void closeDuringSlowestRun() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QScrollBar*>("HScroll1")->setValue(10000); // one second per point
        RunProbe probe([&w] { return w.running(); }, [&w] { w.close(); });
        w.cmdStart_Click();
        QVERIFY(probe.acted());
        // The stop came at the countdown's next step: no further frame, and no point drawn.
        QVERIFY2(probe.turnsAfter() <= 1, qPrintable(QString::number(probe.turnsAfter())));
        QVERIFY(!hasBlueMark(w));
        QVERIFY(!w.lastOutcome().completed);
        QVERIFY(!w.isVisible());
        QVERIFY(!w.running());
        QCOMPARE(w.settings().text(Setting::nStart), std::string("1"));
    }

    // Closing the window answers the real question box of a run, and so ends the run.
    void closeWhileTheQuestionIsOpen() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.cmdStart_Click();
        QVERIFY(w.lastOutcome().completed);
        QPointer<QMessageBox> box;
        bool openAfterClose = false;
        RunProbe probe([] { return openBox() != nullptr; },
                       [&] {
                           box = openBox();
                           QCOMPARE(box->text(), QString("Delete probability"));
                           w.close();
                           openAfterClose = box && box->isVisible();
                           if (openAfterClose)
                               box->reject();
                       });
        w.cmdStart_Click();
        QVERIFY(probe.acted());
        QVERIFY(!openAfterClose);
        QVERIFY(box.isNull());
        QVERIFY(!w.lastOutcome().completed);
        QVERIFY(!w.isVisible());
    }

    // The same for the message that refuses a frequency.
    void closeWhileTheRefusalIsOpen() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QLineEdit*>(QString::fromUtf8("nKmitočet"))->setText("abc");
        QPointer<QMessageBox> box;
        bool openAfterClose = false;
        RunProbe probe([] { return openBox() != nullptr; },
                       [&] {
                           box = openBox();
                           w.close();
                           openAfterClose = box && box->isVisible();
                           if (openAfterClose)
                               box->reject();
                       });
        w.cmdStart_Click();
        QVERIFY(probe.acted());
        QVERIFY(!openAfterClose);
        QVERIFY(box.isNull());
        QVERIFY(!w.lastOutcome().completed);
        QVERIFY(!w.isVisible());
    }

    // While a run goes on, a click on "Exit" is held back like any other input.
    void exitIsHeldBackDuringARun() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        RunProbe probe([&w] { return w.running(); },
                       [&w] {
                           QTest::mouseClick(w.findChild<QWidget*>("cmdKonec"), Qt::LeftButton);
                           QTest::mouseClick(w.findChild<QWidget*>("opČervený"), Qt::LeftButton);
                       });
        w.cmdStart_Click();
        QVERIFY(probe.acted());
        QVERIFY(w.lastOutcome().completed);
        QVERIFY(w.isVisible());
        QCOMPARE(w.settings().text(Setting::nKmitočet), std::string("1"));
    }

    // Resizing, hiding and showing during a run change nothing in the picture or in the
    // run's countdown.
    void pictureSurvivesResizingDuringARun() {
        frmRavo reference;
        reference.cmdStart_Click();
        reference.surface().settle();
        const QImage expected = reference.canvas().image().copy();

        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QScrollBar*>("HScroll1")->setValue(40);
        // One step at each of four turns of the event loop within the run.
        const std::function<void()> steps[] = {
            [&w] { w.resize(300, 200); },
            [&w] { w.hide(); },
            [&w] { w.show(); },
            [&w] { w.resize(1000, 700); },
        };
        int done = 0;
        QTimer stepper;
        stepper.setInterval(0);
        connect(&stepper, &QTimer::timeout, [&] {
            if (w.running() && done < 4)
                steps[done++]();
        });
        stepper.start();
        w.cmdStart_Click();
        stepper.stop();
        QCOMPARE(done, 4);
        QVERIFY(w.lastOutcome().completed);
        QCOMPARE(w.lastOutcome().countdownSteps, std::int64_t(85 * 40 * 200));
        w.surface().settle();
        const QImage after = w.canvas().image();
        QCOMPARE(after.copy(QRect(QPoint(0, 0), expected.size())), expected);
        QCOMPARE(w.size(), QSize(1000, 700));
    }
};

QTEST_MAIN(ClosingTest)
#include "tst_closing.moc"
