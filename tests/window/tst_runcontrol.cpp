// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlHelp.h"
#include "MarkReadout.h"
#include "TableSettings.h"
#include "WindowControls.h"
#include "frmRavo.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

#include <functional>

using namespace ravo;
using ravo::test::control;
using ravo::test::u;

namespace {

// Steps that act on the window while a run holds the event loop: each waits until its
// condition holds and then acts. A script that has not finished after a generous time
// stops the run with Escape, so that a failing test ends.
class Script {
public:
    explicit Script(frmRavo& w) : window_(w) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        patience_.start();
    }
    Script& then(std::function<bool()> when, std::function<void()> act) {
        steps_.push_back({std::move(when), std::move(act)});
        timer_.start();
        return *this;
    }
    bool finished() const { return next_ == steps_.size(); }

private:
    void tick() {
        if (patience_.hasExpired(60'000) && !finished()) {
            next_ = steps_.size();
            QTest::keyClick(&window_, Qt::Key_Escape);
            return;
        }
        while (next_ < steps_.size() && steps_[next_].first()) {
            const auto act = steps_[next_++].second;
            act(); // may turn the event loop itself, and so run later steps
        }
        if (finished())
            timer_.stop();
    }

    frmRavo& window_;
    QTimer timer_;
    QElapsedTimer patience_;
    std::vector<std::pair<std::function<bool()>, std::function<void()>>> steps_;
    std::size_t next_ = 0;
};

void key(int k, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(k), modifiers);
}

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
    return QString::fromStdString(w.readout().textAt(at.x(), at.y()));
}

// The topmost pixel of a column between two heights that has the given colour, or -1.
int topmost(frmRavo& w, int x, int y0, int y1, QRgb colour) {
    w.surface().settle();
    const QImage& image = w.canvas().image();
    const qreal ratio = image.devicePixelRatio();
    for (int y = y0; y <= y1; ++y)
        if (image.pixel(int(x * ratio), int(y * ratio)) == colour)
            return y;
    return -1;
}

void showActive(frmRavo& w) {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

bool captionsShown(frmRavo& w) {
    return control(w, "nPravděpodobnost")->isVisible() &&
           control(w, "nSoučetRadiusvektorů")->isVisible() &&
           control(w, "nClonaOtvor")->isVisible();
}

} // namespace

class RunControlTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // Space holds the run, Right adds one mark per press, Space releases it; the keys reach
    // the run whatever has the focus, and the finished picture is an unheld run's.
    void holdStepAndRelease() {
        frmRavo w;
        showActive(w);
        auto* check = control<QCheckBox>(w, "chDisperze");
        check->setFocus();
        const QString caption = w.windowTitle();
        QImage heldPicture;
        std::size_t marks = 0;
        auto held = [&] { return w.surface().held(); };

        Script script(w);
        script.then([&] { return w.running(); }, [&] { key(Qt::Key_Space); });
        script.then(held, [&] {
            heldPicture = w.canvas().image().copy();
            marks = w.readout().size();
            QVERIFY(marks < 85);
            QCOMPARE(w.windowTitle(), caption + " (paused)");
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
            for (int i = 0; i < 20; ++i)
                QCoreApplication::processEvents();
            QVERIFY(w.surface().held());
            QCOMPARE(w.canvas().image(), heldPicture);
            // Copying works while held: the clipboard gets the window as shown.
            key(Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(clipboardImage(), grabbed(w));
        });
        for (int press = 0; press < 3; ++press) {
            script.then(held, [&, press] {
                marks = w.readout().size();
                key(press % 2 ? Qt::Key_PageDown : Qt::Key_Right);
            });
            // The press is taken at once: the run goes on and holds again after one mark.
            script.then([&] { return !w.surface().held(); }, [] {});
            script.then(held, [&] { QCOMPARE(w.readout().size(), marks + 1); });
        }
        script.then(held, [&] { key(Qt::Key_Space); });
        w.cmdStart_Click();
        QVERIFY(script.finished());
        QVERIFY(w.lastOutcome().completed);
        QCOMPARE(w.windowTitle(), caption);
        QVERIFY(check->isChecked()); // Space went to the run, not to the check box
        QCOMPARE(w.settings().text(Setting::nDisperze), std::string("Yes"));
        QCOMPARE(w.readout().size(), std::size_t(85));

        frmRavo unheld;
        unheld.show();
        QVERIFY(QTest::qWaitForWindowExposed(&unheld));
        unheld.cmdStart_Click();
        QCOMPARE(w.canvas().image(), unheld.canvas().image());
    }

    // Stepping through every point: each press adds one mark, and the press that adds
    // the last one finishes the run with its white sample and captions.
    void steppingToTheEnd() {
        frmRavo w;
        showActive(w);
        std::size_t firstHold = 0;
        std::size_t presses = 0;
        bool overshot = false;
        auto step = [&] {
            ++presses;
            key(Qt::Key_Right);
        };
        Script script(w);
        script.then([&] { return w.running(); }, [&] { key(Qt::Key_Space); });
        script.then([&] { return w.surface().held(); },
                    [&] {
                        firstHold = w.readout().size();
                        step();
                    });
        // From here on, each hold that follows the mark of the last press gets one more press.
        QTimer stepper;
        stepper.setInterval(0);
        QObject::connect(&stepper, &QTimer::timeout, [&] {
            if (!script.finished())
                return;
            const std::size_t marks = w.readout().size();
            overshot = overshot || marks > firstHold + presses;
            if (w.surface().held() && marks == firstHold + presses)
                step();
        });
        stepper.start();
        w.cmdStart_Click();
        stepper.stop();
        QVERIFY(w.lastOutcome().completed);
        QVERIFY(!overshot);
        QCOMPARE(presses, 85 - firstHold);
        QCOMPARE(w.readout().size(), std::size_t(85));
        QVERIFY(captionsShown(w));
        QCOMPARE(w.settings().text(Setting::nStart), std::string("0"));
    }

    // Escape leaves the partial picture, nStart and the captions as they were; the next
    // Start asks nothing and runs to its end.
    void escapeStopsTheRun() {
        frmRavo w;
        showActive(w);
        int questions = 0;
        w.surface().setAnswerProvider([&](std::string_view) {
            ++questions;
            return true;
        });
        QImage atEscape;
        std::size_t marks = 0;
        Script script(w);
        script.then([&] { return w.readout().size() >= 20; },
                    [&] {
                        atEscape = w.canvas().image().copy();
                        marks = w.readout().size();
                        key(Qt::Key_Escape);
                    });
        w.cmdStart_Click();
        QVERIFY(script.finished());
        QVERIFY(!w.lastOutcome().completed);
        QVERIFY(!w.running());
        QVERIFY(w.isVisible());
        QCOMPARE(w.canvas().image(), atEscape);
        QCOMPARE(w.readout().size(), marks);
        QCOMPARE(w.settings().text(Setting::nStart), std::string("1"));
        QVERIFY(!captionsShown(w));

        w.cmdStart_Click();
        QVERIFY(w.lastOutcome().completed);
        QCOMPARE(questions, 0);
        QCOMPARE(w.settings().text(Setting::nStart), std::string("0"));
        QVERIFY(captionsShown(w));
    }

    void escapeOrCloseWhileHeld_data() {
        QTest::addColumn<bool>("close");
        QTest::newRow("escape") << false;
        QTest::newRow("close") << true;
    }
    void escapeOrCloseWhileHeld() {
        QFETCH(bool, close);
        frmRavo w;
        w.findChild<QScrollBar*>("HScroll1")->setValue(10000); // one second per point
        showActive(w);
        Script script(w);
        script.then([&] { return w.running(); }, [&] { key(Qt::Key_Space); });
        script.then([&] { return w.surface().held(); },
                    [&] { close ? (void)w.close() : key(Qt::Key_Escape); });
        w.cmdStart_Click();
        QVERIFY(script.finished());
        QVERIFY(!w.lastOutcome().completed);
        QCOMPARE(w.isVisible(), !close);
        QCOMPARE(w.settings().text(Setting::nStart), std::string("1"));
    }

    // Ctrl+C and the picture's menu copy the window as shown; in the frequency box Ctrl+C
    // copies its text; a right click on a control opens no picture menu.
    void copyingThePicture() {
        frmRavo w;
        showActive(w);
        w.cmdStart_Click();
        QGuiApplication::clipboard()->clear();
        control(w, "cmdStart")->setFocus();
        key(Qt::Key_C, Qt::ControlModifier);
        const QImage copied = clipboardImage();
        QCOMPARE(copied, grabbed(w));
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

        Script script(w);
        script.then([] { return QApplication::activePopupWidget() != nullptr; },
                    [] {
                        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                        QVERIFY(menu);
                        QCOMPARE(menu->actions().size(), 1);
                        QCOMPARE(menu->actions()[0]->text(), QString("Copy picture"));
                        menu->actions()[0]->trigger();
                        menu->close();
                    });
        QContextMenuEvent onPicture(QContextMenuEvent::Mouse, QPoint(700, 100),
                                    w.mapToGlobal(QPoint(700, 100)));
        QApplication::sendEvent(&w.canvas(), &onPicture);
        QVERIFY(script.finished());
        QCOMPARE(menus.count(), 1);
        QCOMPARE(clipboardImage(), grabbed(w));
    }

    // After blue, then red answered "No", both peaks read back their own run; after "Yes"
    // the erased marks have none.
    void readoutOfTheMarks() {
        frmRavo w;
        showActive(w);
        QList<bool> answers{false, true};
        w.surface().setAnswerProvider([&](std::string_view) { return answers.takeFirst(); });
        const QRgb blueMark = qRgb(0, 0, 255), redMark = qRgb(255, 0, 0);
        const QString blueLine =
            u("Point 52, x = 514: P = 134.0 · blue, f = 1, dispersion on · radius 500, index "
              "0.98, whole lens, aperture 0");

        w.cmdStart_Click();
        const int bluePeak = topmost(w, 514, 30, 229, blueMark);
        QCOMPARE(readoutAt(w, 514, bluePeak), blueLine);
        QCOMPARE(w.canvas().accessibleDescription(),
                 u("Blue light: highest probability 134.0 at x = 514"));
        QCOMPARE(readoutAt(w, 514, 300), QString()); // no mark there
        QCOMPARE(readoutAt(w, 300, bluePeak), QString());

        // Resting the mouse there shows it as a tooltip.
        QHelpEvent rest(QEvent::ToolTip, QPoint(514, bluePeak),
                        w.mapToGlobal(QPoint(514, bluePeak)));
        QApplication::sendEvent(&w.canvas(), &rest);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), blueLine);
        QToolTip::hideText();

        control<QRadioButton>(w, "opČervený")->click();
        w.cmdStart_Click();
        QCOMPARE(readoutAt(w, 514, bluePeak), blueLine);
        const int redPeak = topmost(w, 619, 30, 229, redMark);
        const QString red = readoutAt(w, 619, redPeak);
        QVERIFY2(red.startsWith("Point 67, x = 619: P = "), qPrintable(red));
        QVERIFY2(red.endsWith(u(" · red, f = 0.5, dispersion on · radius 500, index 0.98, whole "
                                "lens, aperture 0")),
                 qPrintable(red));

        // "Yes" erases both curves; the new run, at a typed frequency, explains its marks.
        control<QRadioButton>(w, "opModrý")->click();
        control<QLineEdit>(w, "nKmitočet")->setText("1.0");
        w.cmdStart_Click();
        QVERIFY(!readoutAt(w, 514, bluePeak).contains("dispersion"));
        QCOMPARE(readoutAt(w, 619, redPeak), QString());
        const int typedPeak = topmost(w, 514, 30, 229, blueMark);
        QVERIFY(readoutAt(w, 514, typedPeak).contains(u("· blue, f = 1.0, no glass time ·")));
    }

    // Marks under the mouse are listed latest first; an erase that covers one takes it.
    void readoutListsAndForgets() {
        test::TableSettings settings;
        MarkReadout readout;
        PointReport first{1, 157, 0.26, true, 230.16, 230.5, blue, false};
        PointReport later = first;
        later.probability = 1.1;
        later.markY = 229.1;
        readout.add(first, MarkReadout::runSettingsText(settings, blue));
        settings.setText(Setting::nIndex, "1");
        readout.add(later, MarkReadout::runSettingsText(settings, blue));
        const QStringList lines = QString::fromStdString(readout.textAt(157.5, 229.5)).split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith("Point 1, x = 157: P = 1.1 ") && lines[0].contains("index 1,"));
        QVERIFY(lines[1].startsWith("Point 1, x = 157: P = 0.3 ") &&
                lines[1].contains("index 0.98,"));

        PointReport bar{52, 514, 134, true, 56.3, 230.5, red, true};
        readout.add(bar, "bar");
        QVERIFY(!readout.textAt(514.5, 150.5).empty()); // anywhere on the bar
        QVERIFY(readout.textAt(520.5, 150.5).empty());

        readout.erase(250, 321, 800, 571); // below every mark
        QCOMPARE(readout.size(), std::size_t(3));
        readout.erase(1, 26, 800, 580);
        QCOMPARE(readout.size(), std::size_t(0));
        QVERIFY(readout.textAt(157.5, 229.5).empty());

        PointReport unmarked{3, 171, 2, false};
        readout.add(unmarked, "none");
        QCOMPARE(readout.size(), std::size_t(0));
    }

    // Every shown control says what it does; the scroll bar names its pace; accessible
    // texts follow; Ctrl+Q closes the window.
    void helpTextsAndCtrlQ() {
        frmRavo w;
        showActive(w);
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
        QCOMPARE(bar->toolTip(),
                 u("Slow-down 37: 3.7 ms per detector point, a run of about 0.3 s"));
        bar->setValue(10000);
        QCOMPARE(bar->toolTip(), u("Slow-down 10000: 1 s per detector point, a run of about 85 s"));
        QVERIFY(control(w, "cmdStart")->toolTip().contains("Escape"));
        QVERIFY(control(w, "nKmitočet")->toolTip().contains("0.75"));
        control<QRadioButton>(w, "opČervený")->click();
        QVERIFY(control(w, "nKmitočet")->toolTip().contains("now 0.5"));
        QCOMPARE(slowDownHelp(1),
                 u("Slow-down 1: 0.1 ms per detector point, a run of under 0.1 s"));

        control(w, "cmdStart")->setFocus();
        key(Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(RunControlTest)
#include "tst_runcontrol.moc"
