// SPDX-License-Identifier: GPL-3.0-or-later
// Holding, stepping and stopping a run with the keys, copying the picture, and reading the
// marks, in the window.
#include "RunHelpers.h"
#include "WindowRuns.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

using namespace ravo;
using namespace ravo::test;

namespace {

QImage asRgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage clipboardImage() {
    return asRgb(QGuiApplication::clipboard()->image());
}

QImage grabbed(frmRavo& w) {
    return asRgb(w.grab().toImage());
}

// The readout at a pixel of the window, as a tooltip would give it.
QString readoutAt(frmRavo& w, int x, int y) {
    const QPointF at = w.designPoint(QPoint(x, y));
    return w.readout().textAt(at.x(), at.y());
}

bool held(frmRavo& w) {
    return w.runControl().state() == RunState::Held;
}

void setSlowDown(frmRavo& w, int value) {
    control<QScrollBar>(w, "HScroll1")->setValue(value);
}

} // namespace

class RunControlTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // Space holds the run: it draws nothing more, while the window repaints, copies and reads
    // out a mark under the resting mouse. Right and Page Down add one point each and hold
    // again; Space releases it, and the finished picture is an unheld run's.
    void holdStepAndRelease() {
        TestWindow w;
        QVERIFY(showActive(w));
        setSlowDown(w, 200); // 20 ms per point
        auto* check = control<QCheckBox>(w, "chDisperze");
        check->setFocus();
        const QString caption = w.windowTitle();
        w.standAfter(2);
        w.cmdStart_Click();
        RAVO_TRY_VERIFY(w.standsAfter(2));
        key(Qt::Key_Space);
        RAVO_TRY_VERIFY(held(w));
        QCOMPARE(w.windowTitle(), caption + " (paused)");
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        QVERIFY(w.accessibleDescription().startsWith("Held at point "));
        const int point = w.runControl().point();
        w.surface().endPainting();
        const QImage heldPicture = w.canvas().image().copy();

        // The mouse resting on the first mark shows its readout.
        const PointRecord& first = w.history().runs().back().points.front();
        const QPoint mark =
            w.canvas().placement().toWindow(QPointF(first.result.x, first.result.markY)).toPoint();
        QTest::mouseMove(&w.canvas(), mark);
        RAVO_TRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().startsWith("Point 1, x = 157: P = 0.3 "));
        QToolTip::hideText();
        key(Qt::Key_C, Qt::ControlModifier);
        RAVO_COMPARE_IMAGES(clipboardImage(), grabbed(w));
        QCOMPARE(w.runControl().point(), point);
        RAVO_COMPARE_IMAGES(w.canvas().image(), heldPicture);

        for (int k : {Qt::Key_Right, Qt::Key_PageDown}) {
            const int before = w.runControl().point();
            key(k);
            RAVO_TRY_VERIFY(held(w) && w.runControl().point() == before + 1);
            QCOMPARE(w.readout().size(), std::size_t(before + 1));
        }
        w.goOn();
        key(Qt::Key_Space);
        RAVO_TRY_VERIFY(!w.running());
        QVERIFY(w.lastOutcome().completed);
        QCOMPARE(w.windowTitle(), caption);
        QVERIFY(check->isChecked()); // Space went to the run, not to the check box
        QCOMPARE(w.settings().text(Setting::nDisperze), std::string("Yes"));
        QCOMPARE(w.readout().size(), std::size_t(85));

        TestWindow unheld;
        unheld.show();
        QVERIFY(QTest::qWaitForWindowExposed(&unheld));
        QVERIFY(runToEnd(unheld));
        w.surface().endPainting();
        unheld.surface().endPainting();
        RAVO_COMPARE_IMAGES(w.canvas().image(), unheld.canvas().image());
    }

    // Held from its first point on, each press adds exactly one point, and the press that
    // adds the last one finishes the run with its white sample and captions.
    void steppingToTheEnd() {
        TestWindow w;
        QVERIFY(showActive(w));
        setSlowDown(w, 10000);
        w.standAfter(0); // no pause passes: only the presses draw points
        w.cmdStart_Click();
        key(Qt::Key_Space);
        RAVO_TRY_VERIFY(held(w));
        const int firstHold = w.runControl().point();
        QCOMPARE(firstHold, 0);
        int presses = 0;
        while (w.running()) {
            const int before = w.runControl().point();
            key(Qt::Key_Right);
            ++presses;
            RAVO_TRY_VERIFY(w.runControl().point() == before + 1 && (held(w) || !w.running()));
        }
        QVERIFY(w.lastOutcome().completed);
        QCOMPARE(presses, 85 - firstHold);
        QVERIFY(captionsShown(w));
        QCOMPARE(w.settings().text(Setting::nStart), std::string("0"));
    }

    // Escape keeps the picture as it stands, nStart and the captions as they were; the next
    // Start asks nothing and runs to its end.
    void escapeStopsTheRun() {
        TestWindow w;
        QVERIFY(showActive(w));
        int questions = 0;
        w.setAnswerProvider([&](std::string_view) {
            ++questions;
            return true;
        });
        setSlowDown(w, 200);
        w.standAfter(20);
        w.cmdStart_Click();
        RAVO_TRY_VERIFY(w.standsAfter(20));
        w.surface().endPainting();
        const QImage atEscape = w.canvas().image().copy();
        key(Qt::Key_Escape);
        const int point = w.runControl().point();
        QCOMPARE(point, 20);
        RAVO_TRY_VERIFY(!w.running());
        QCOMPARE(w.runControl().state(), RunState::Stopped);
        QVERIFY(!w.lastOutcome().completed);
        QVERIFY(w.isVisible());
        w.surface().endPainting();
        RAVO_COMPARE_IMAGES(w.canvas().image(), atEscape);
        QCOMPARE(w.readout().size(), std::size_t(point));
        QCOMPARE(w.settings().text(Setting::nStart), std::string("1"));
        QVERIFY(!captionsShown(w));
        QCOMPARE(w.accessibleDescription(), QString("Stopped at point %1 of 85").arg(point));

        setSlowDown(w, 1);
        w.goOn();
        QVERIFY(runToEnd(w));
        QVERIFY(w.lastOutcome().completed);
        QCOMPARE(questions, 0);
        QCOMPARE(w.settings().text(Setting::nStart), std::string("0"));
        QVERIFY(captionsShown(w));
    }

    // The window's run keeps its time by the clock it was made with: on the test's clock the
    // slowest pace passes at once, every pause counted in full.
    void paceOfTheWindowsClock() {
        TestWindow w;
        setSlowDown(w, 10000);
        QVERIFY(runToEnd(w));
        QVERIFY(w.lastOutcome().completed);
        QVERIFY(w.clock().pausesPassed() >= 85); // a pause may be looked at twice
        QCOMPARE(w.lastOutcome().countdownSteps, std::int64_t(85) * 10000 * 200);
    }

    // Closing while held ends the run and the window at once.
    void closeWhileHeld() {
        TestWindow w;
        QVERIFY(showActive(w));
        setSlowDown(w, 10000);
        w.standAfter(0);
        w.cmdStart_Click();
        key(Qt::Key_Space);
        RAVO_TRY_VERIFY(held(w));
        QVERIFY(w.close());
        QVERIFY(!w.running());
        QVERIFY(!w.isVisible());
        QCOMPARE(w.settings().text(Setting::nStart), std::string("1"));
    }

    // Ctrl+C and the picture's menu copy the window as shown; in the frequency box Ctrl+C
    // copies its text; a right click on a control opens no picture menu.
    void copyingThePicture() {
        TestWindow w;
        QVERIFY(showActive(w));
        QVERIFY(runToEnd(w));
        QGuiApplication::clipboard()->clear();
        control(w, "cmdStart")->setFocus();
        key(Qt::Key_C, Qt::ControlModifier);
        const QImage copied = clipboardImage();
        RAVO_COMPARE_IMAGES(copied, grabbed(w));
        QCOMPARE(copied.size(), w.size() * w.devicePixelRatio());

        auto* frequency = control<QLineEdit>(w, "nKmitočet");
        frequency->setFocus();
        frequency->selectAll();
        key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("1"));
        QVERIFY(QGuiApplication::clipboard()->image().isNull());

        QSignalSpy menus(&w.canvas(), &QWidget::customContextMenuRequested);
        QContextMenuEvent onFrame(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  w.mapToGlobal(QPoint(157, 13)));
        QApplication::sendEvent(control(w, "frmKmitočet"), &onFrame);
        QCOMPARE(menus.count(), 0);

        bool triggered = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QCOMPARE(menu->actions()[0]->text(), QString("Copy picture"));
            menu->actions()[0]->trigger();
            triggered = true;
            menu->close();
        });
        QContextMenuEvent onPicture(QContextMenuEvent::Mouse, QPoint(700, 100),
                                    w.mapToGlobal(QPoint(700, 100)));
        QApplication::sendEvent(&w.canvas(), &onPicture);
        RAVO_TRY_VERIFY(triggered);
        QCOMPARE(menus.count(), 1);
        RAVO_COMPARE_IMAGES(clipboardImage(), grabbed(w));
    }

    // After blue, then red answered "No", both peaks read back their own run; after "Yes"
    // the erased marks have none.
    void readoutOfTheMarks() {
        TestWindow w;
        QVERIFY(showActive(w));
        answerWith(w, {false, true});
        const QString blueLine =
            u("Point 52, x = 514: P = 134.0 · blue, f = 1, dispersion on · radius 500, index "
              "0.98, whole lens, aperture 0");

        QVERIFY(runToEnd(w));
        const int bluePeak = topmost(w, 514, 30, 229, blueMark);
        QCOMPARE(readoutAt(w, 514, bluePeak), blueLine);
        QVERIFY(w.canvas().accessibleDescription().contains(
            u("Run 1, blue, f = 1, dispersion on · radius 500, index 0.98, whole lens, aperture 0: it "
              "comes to its focus at point 52, x = 514, with P = 134.0")));
        QCOMPARE(readoutAt(w, 514, 300), QString()); // no mark there
        QCOMPARE(readoutAt(w, 300, bluePeak), QString());

        // Resting the mouse there shows it as a tooltip.
        QHelpEvent rest(QEvent::ToolTip, QPoint(514, bluePeak),
                        w.mapToGlobal(QPoint(514, bluePeak)));
        QApplication::sendEvent(&w.canvas(), &rest);
        RAVO_TRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), blueLine);
        QToolTip::hideText();

        control<QRadioButton>(w, "opČervený")->click();
        QVERIFY(runToEnd(w));
        QCOMPARE(readoutAt(w, 514, bluePeak), blueLine);
        const int redPeak = topmost(w, 619, 30, 229, redMark);
        const QString red = readoutAt(w, 619, redPeak);
        QVERIFY2(red.startsWith("Point 67, x = 619: P = "), qPrintable(red));
        QVERIFY2(red.endsWith(u(" · red, f = 0.5, dispersion on · radius 500, index 0.98, whole "
                                "lens, aperture 0")),
                 qPrintable(red));
        // Where marks of both runs lie, the later one comes first.
        const QStringList both = readoutAt(w, 157, 230).split('\n');
        QCOMPARE(both.size(), 2);
        QVERIFY(both[0].contains("red") && both[1].contains("blue"));

        // "Yes" erases both curves; the new run, at a typed frequency, explains its marks.
        control<QRadioButton>(w, "opModrý")->click();
        control<QLineEdit>(w, "nKmitočet")->setText("1.0");
        QVERIFY(runToEnd(w));
        QVERIFY(!readoutAt(w, 514, bluePeak).contains("dispersion"));
        QCOMPARE(readoutAt(w, 619, redPeak), QString());
        const int typedPeak = topmost(w, 514, 30, 229, blueMark);
        // The typed text quoted, and why its light has no glass time.
        QVERIFY2(readoutAt(w, 514, typedPeak)
                     .contains(u("· blue, f = \"1.0\", no glass time, as the frequency text is "
                                 "none of 0.5, 0.75 and 1 ·")),
                 qPrintable(readoutAt(w, 514, typedPeak)));
        QCOMPARE(w.readout().size(), std::size_t(85));

        // A bar reads out anywhere along it.
        control<QRadioButton>(w, "opModrý")->click();
        control<QRadioButton>(w, "opPruhy")->click();
        QVERIFY(runToEnd(w));
        QVERIFY(readoutAt(w, 514, 150).startsWith("Point 52, x = 514"));
        QCOMPARE(readoutAt(w, 517, 150), QString()); // between two bars
    }

    // Every shown control says what it does, also to assistive technology; the scroll bar
    // names its pace; Ctrl+Q closes the window.
    void helpTextsAndCtrlQ() {
        TestWindow w;
        QVERIFY(showActive(w));
        for (QWidget* child : w.findChildren<QWidget*>()) {
            if (!child->isVisible() || child == &w.canvas() || qobject_cast<QLabel*>(child) ||
                child->objectName().isEmpty() || child->objectName().startsWith("qt_"))
                continue;
            QVERIFY2(!child->toolTip().isEmpty(), qPrintable(child->objectName()));
            QCOMPARE(child->accessibleDescription(), child->toolTip());
            QVERIFY2(!child->accessibleName().isEmpty(), qPrintable(child->objectName()));
        }
        auto* bar = control<QScrollBar>(w, "HScroll1");
        bar->setValue(37);
        QVERIFY(bar->toolTip().contains("0.0037 s per detector point, about 0.315 s a run"));
        bar->setValue(10000);
        QVERIFY(bar->toolTip().contains("1 s per detector point, about 85 s a run"));
        control<QRadioButton>(w, "opČervený")->click();
        QVERIFY(control(w, "nKmitočet")->toolTip().contains("now 0.5"));

        control(w, "cmdStart")->setFocus();
        key(Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(RunControlTest)
#include "tst_runcontrol.moc"
