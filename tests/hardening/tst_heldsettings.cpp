// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowRuns.h"

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
using namespace ravo::test;

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return face;
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
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        std::vector<std::string> expected = allTexts(w);
        expected[std::size_t(Setting::nStart)] = std::string(1, '0'); // the run's last step
        auto* red = control<QAbstractButton>(w, "opČervený");
        auto* bars = control<QAbstractButton>(w, "opPruhy");
        auto* dispersion = control<QAbstractButton>(w, "chDisperze");
        auto* frequency = control<QLineEdit>(w, "nKmitočet");
        auto* scrollBar = control<QScrollBar>(w, "HScroll1");

        control<QScrollBar>(w, "HScroll1")->setValue(100); // 10 ms per point
        expected[std::size_t(Setting::nSpomaleni)] = "100";
        w.standAfter(3);
        w.cmdStart_Click();
        RAVO_TRY_VERIFY(w.standsAfter(3));
        {
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
            RAVO_TRY_VERIFY(!bars->isDown()); // the pressed look ends with the click
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
        }
        QVERIFY(w.standsAfter(3));
        w.goOn();
        RAVO_TRY_VERIFY(!w.running());
        QVERIFY(w.lastOutcome().completed);
        QVERIFY(allTexts(w) == expected);
        QVERIFY(!red->isChecked());
        QVERIFY(control<QAbstractButton>(w, "opModrý")->isChecked());
        QVERIFY(!bars->isChecked());
        QVERIFY(dispersion->isChecked());
        QCOMPARE(frequency->text(), QString("1"));
        QCOMPARE(scrollBar->value(), 100);

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
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(runToEnd(w)); // the question comes from the second run on
        control<QLineEdit>(w, "nKmitočet")->setText(frequency);
        w.cmdStart_Click();
        RAVO_TRY_VERIFY(w.openBox());
        QVERIFY(!w.surface().painting());
        QPainter other;
        QVERIFY(other.begin(&w.canvas().image()));
        other.end();
        qobject_cast<QMessageBox*>(w.openBox())->reject();
        RAVO_TRY_VERIFY(!w.running());
    }

    // A run after a closing that the window survived is not stopped by that closing.
    void aNewRunForgetsAnEarlierStop() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        control<QScrollBar>(w, "HScroll1")->setValue(100);
        w.standAfter(0);
        w.cmdStart_Click();
        RAVO_TRY_VERIFY(w.standsAfter(0));
        w.close();
        QVERIFY(!w.lastOutcome().completed);
        QVERIFY(!w.isVisible());
        w.goOn();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(runToEnd(w));
        QVERIFY(w.lastOutcome().completed);
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(HeldSettingsTest)
#include "tst_heldsettings.moc"
