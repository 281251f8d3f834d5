// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmRavo.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

#include <chrono>

using namespace ravo;
using namespace std::chrono;

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
        QTimer::singleShot(300, &w, [&w] { w.close(); });
        const auto start = steady_clock::now();
        w.cmdStart_Click();
        const auto took = steady_clock::now() - start;
        QVERIFY2(took < milliseconds(800),
                 qPrintable(QString::number(duration_cast<milliseconds>(took).count())));
        QVERIFY(!w.lastOutcome().completed);
        QVERIFY(!w.isVisible());
        QVERIFY(!w.running());
        QCOMPARE(w.settings().text(Setting::nStart), std::string("1"));
    }

    void closeWhileTheQuestionIsOpen() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.cmdStart_Click();
        QVERIFY(w.lastOutcome().completed);
        // The real question box: closing the window answers it and ends the run.
        QTimer::singleShot(200, &w, [&w] { w.close(); });
        w.cmdStart_Click();
        QVERIFY(!w.lastOutcome().completed);
        QVERIFY(!w.isVisible());
    }

    void closeWhileTheRefusalIsOpen() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QLineEdit*>(QString::fromUtf8("nKmitočet"))->setText("abc");
        QTimer::singleShot(200, &w, [&w] { w.close(); });
        w.cmdStart_Click();
        QVERIFY(!w.lastOutcome().completed);
        QVERIFY(!w.isVisible());
        QVERIFY(QApplication::topLevelWidgets().size() == 1 || !QApplication::activeModalWidget());
    }

    // While a run goes on, a click on "Exit" is held back like any other input.
    void exitIsHeldBackDuringARun() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QScrollBar*>("HScroll1")->setValue(300); // 30 ms per point
        QTimer::singleShot(200, &w, [&w] {
            QTest::mouseClick(w.findChild<QWidget*>("cmdKonec"), Qt::LeftButton);
            QTest::mouseClick(w.findChild<QWidget*>("opČervený"), Qt::LeftButton);
        });
        w.cmdStart_Click();
        QVERIFY(w.lastOutcome().completed);
        QVERIFY(w.isVisible());
        QCOMPARE(w.settings().text(Setting::nKmitočet), std::string("1"));
    }

    // Resizing, hiding and showing during a run change nothing in the picture or the pace.
    void pictureSurvivesResizingDuringARun() {
        frmRavo reference;
        reference.cmdStart_Click();
        reference.surface().settle();
        const QImage expected = reference.canvas().image().copy();

        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QScrollBar*>("HScroll1")->setValue(40); // 4 ms per point
        QTimer::singleShot(50, &w, [&w] { w.resize(300, 200); });
        QTimer::singleShot(100, &w, [&w] { w.hide(); });
        QTimer::singleShot(150, &w, [&w] { w.show(); });
        QTimer::singleShot(200, &w, [&w] { w.resize(1000, 700); });
        const auto start = steady_clock::now();
        w.cmdStart_Click();
        const auto took = steady_clock::now() - start;
        QVERIFY(w.lastOutcome().completed);
        w.surface().settle();
        const QImage after = w.canvas().image();
        QCOMPARE(after.copy(QRect(QPoint(0, 0), expected.size())), expected);
        QVERIFY(took >= milliseconds(85 * 4));
        QCOMPARE(w.size(), QSize(1000, 700));
    }
};

QTEST_MAIN(ClosingTest)
#include "tst_closing.moc"
