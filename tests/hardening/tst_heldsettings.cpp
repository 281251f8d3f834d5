// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunProbe.h"
#include "WindowControls.h"
#include "frmRavo.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QtTest>

#include <functional>

using namespace ravo;
using ravo::test::control;
using ravo::test::openBox;
using ravo::test::u;

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return face;
}

// Runs `act` once, at the first moment that `ready` holds while events are processed (the
// run processes them at each showing of the picture).
void whenReady(QObject* context, std::function<bool()> ready, std::function<void()> act) {
    auto* poll = new QTimer(context);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, context, [poll, ready, act] {
        if (!ready())
            return;
        poll->stop();
        poll->deleteLater();
        act();
    });
    poll->start();
}

std::vector<std::string> allTexts(frmRavo& w) {
    std::vector<std::string> texts;
    for (Setting setting : allSettings)
        texts.push_back(w.settings().text(setting));
    return texts;
}

} // namespace

// Nothing that reaches the window during a run changes what the run reads: the settings,
// and the controls that show them, stand as they stood at "Start".
class HeldSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void nothingChangesASettingDuringARun() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        std::vector<std::string> expected = allTexts(w);
        expected[std::size_t(Setting::nStart)] = std::string(1, '0'); // the run's last step
        auto* red = control<QAbstractButton>(w, "opČervený");
        auto* bars = control<QAbstractButton>(w, "opPruhy");
        auto* dispersion = control<QAbstractButton>(w, "chDisperze");
        auto* frequency = control<QLineEdit>(w, "nKmitočet");
        auto* scrollBar = control<QScrollBar>(w, "HScroll1");

        bool actedDuringRun = false;
        whenReady(
            &w, [&w] { return w.running(); },
            [&] {
                actedDuringRun = w.running();
                // A screen reader's actions on an option, the check box, the scroll bar and
                // the frequency box.
                auto* toggle = accessible(red)->actionInterface();
                QVERIFY(toggle);
                toggle->doAction(QAccessibleActionInterface::toggleAction());
                accessible(dispersion)
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::toggleAction());
                accessible(bars)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
                QTRY_VERIFY(!bars->isDown()); // the pressed look ends with the click
                accessible(scrollBar)->valueInterface()->setCurrentValue(5000);
                accessible(frequency)->setText(QAccessible::Value, "0.5");
                // Text dropped onto the frequency box.
                QMimeData text;
                text.setText("0.75");
                QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, {});
                QApplication::sendEvent(frequency, &drop);
                // Events sent to the controls by another program.
                QTest::mouseClick(control(w, "OpZelená"), Qt::LeftButton, {}, QPoint(6, 8));
                QTest::keyClick(scrollBar, Qt::Key_Right);
                red->click();
            });
        w.cmdStart_Click();
        QVERIFY(actedDuringRun);
        QVERIFY(w.lastOutcome().completed);
        QVERIFY(allTexts(w) == expected);
        QVERIFY(!red->isChecked());
        QVERIFY(control<QAbstractButton>(w, "opModrý")->isChecked());
        QVERIFY(!bars->isChecked());
        QVERIFY(dispersion->isChecked());
        QCOMPARE(frequency->text(), QString("1"));
        QCOMPARE(scrollBar->value(), 1);

        // After the run the same controls work again.
        red->click();
        QCOMPARE(w.settings().text(Setting::nKmitočet), std::string("0.5"));
        scrollBar->setValue(37);
        QCOMPARE(w.settings().text(Setting::nSpomaleni), std::string("37"));
        frequency->setText("0.75");
        QCOMPARE(w.settings().text(Setting::nKmitočet), std::string("0.75"));
    }

    // While the question or the refusal is open, the picture is free of any painter.
    void noPainterWhileABoxIsOpen_data() {
        QTest::addColumn<QString>("frequency");
        QTest::newRow("question") << "1";
        QTest::newRow("refusal") << "abc";
    }

    void noPainterWhileABoxIsOpen() {
        QFETCH(QString, frequency);
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.cmdStart_Click(); // the question comes from the second run on
        QVERIFY(w.lastOutcome().completed);
        control<QLineEdit>(w, "nKmitočet")->setText(frequency);
        bool painted = false;
        bool boxSeen = false;
        whenReady(
            &w, [] { return openBox() != nullptr; },
            [&] {
                boxSeen = true;
                QPainter other;
                painted = other.begin(&w.canvas().image());
                if (painted)
                    other.end();
                openBox()->reject();
            });
        w.cmdStart_Click();
        QVERIFY(boxSeen);
        QVERIFY(painted);
    }

    // A run after a closing that the window survived is not stopped by that closing.
    void aNewRunForgetsAnEarlierStop() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        whenReady(
            &w, [&w] { return w.running(); }, [&w] { w.close(); });
        w.cmdStart_Click();
        QVERIFY(!w.lastOutcome().completed);
        QTRY_VERIFY(!w.isVisible());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.cmdStart_Click();
        QVERIFY(w.lastOutcome().completed);
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(HeldSettingsTest)
#include "tst_heldsettings.moc"
