// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowControls.h"
#include "frmRavo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace ravo;
using ravo::test::control;
using ravo::test::u;

namespace {

QString field(frmRavo& w, const char* name) {
    return control<QLineEdit>(w, name)->text();
}

void click(frmRavo& w, const char* name) {
    QTest::mouseClick(control(w, name), Qt::LeftButton, {}, QPoint(6, 8));
}

QRgb pixel(frmRavo& w, int x, int y) {
    w.surface().settle();
    const QImage& image = w.canvas().image();
    const qreal ratio = image.devicePixelRatio();
    return image.pixel(int(x * ratio), int(y * ratio));
}

// The topmost pixel of a column between two heights that has the given colour, or -1.
int topmost(frmRavo& w, int x, int y0, int y1, QRgb colour) {
    for (int y = y0; y <= y1; ++y)
        if (pixel(w, x, y) == colour)
            return y;
    return -1;
}

const QRgb blueMark = qRgb(0, 0, 255);
const QRgb redMark = qRgb(255, 0, 0);

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void stateAfterStartUp() {
        frmRavo w;
        QCOMPARE(field(w, "nPoloměr"), u("500"));
        QCOMPARE(field(w, "nIndex"), u("0.98"));
        QCOMPARE(field(w, "nPůlLupy"), u("80"));
        QCOMPARE(field(w, "nKmitočet"), u("1"));
        QCOMPARE(field(w, "nClona"), u("0"));
        QCOMPARE(field(w, "nZobrazení"), u("Body"));
        QCOMPARE(field(w, "nDisperze"), u("Yes"));
        QCOMPARE(field(w, "nSpomaleni"), u("1"));
        QCOMPARE(field(w, "nStart"), u("1"));
        for (const char* chosen : {"opVelký", "opIndexStřední", "opPůlNe", "opModrý", "opBody",
                                   "opClonaŠiroká", "opRychlá"})
            QVERIFY2(control<QRadioButton>(w, chosen)->isChecked(), chosen);
        for (const char* other :
             {"opStřední", "opMalý", "opIndexVelký", "opIndexMalý", "opČervený", "OpZelená",
              "opPruhy", "opClonaUy39", "opClonaUzka", "opPůlAno", "opPomalejší", "opPomalá"})
            QVERIFY2(!control<QRadioButton>(w, other)->isChecked(), other);
        QVERIFY(control<QCheckBox>(w, "chDisperze")->isChecked());
        QCOMPARE(control<QScrollBar>(w, "HScroll1")->value(), 1);
        QVERIFY(!control(w, "nDisperze")->isEnabled());
    }

    void eachButtonWritesItsField_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        const struct {
            const char *button, *field, *value;
        } rows[] = {
            {"opMalý", "nPoloměr", "400"},     {"opStřední", "nPoloměr", "450"},
            {"opIndexMalý", "nIndex", "0.96"}, {"opIndexVelký", "nIndex", "1"},
            {"opČervený", "nKmitočet", "0.5"}, {"OpZelená", "nKmitočet", "0.75"},
            {"opClonaUy39", "nClona", "50"},   {"opClonaUzka", "nClona", "100"},
            {"opPůlAno", "nPůlLupy", "40"},    {"opPruhy", "nZobrazení", "Pruhy"},
        };
        for (const auto& row : rows)
            QTest::newRow(row.button) << u(row.button) << u(row.field) << u(row.value);
    }
    void eachButtonWritesItsField() {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, value);
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QMap<QString, QString> before;
        for (auto* box : w.findChildren<QLineEdit*>())
            before[box->objectName()] = box->text();
        auto* option = w.findChild<QRadioButton*>(button);
        QVERIFY(option);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(option->isChecked());
        // Its own field changes, and nothing else does.
        for (auto* box : w.findChildren<QLineEdit*>()) {
            if (box->objectName() == field)
                QCOMPARE(box->text(), value);
            else
                QCOMPARE(box->text(), before[box->objectName()]);
        }
    }

    void dispersionFlipsWithEveryClick() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* box = control<QCheckBox>(w, "chDisperze");
        click(w, "chDisperze");
        QCOMPARE(field(w, "nDisperze"), u("No"));
        QVERIFY(!box->isChecked());
        click(w, "chDisperze");
        QCOMPARE(field(w, "nDisperze"), u("Yes"));
        QVERIFY(box->isChecked());
        // The field flips whatever the check mark shows.
        control<QLineEdit>(w, "nDisperze")->setText("No");
        w.chDisperze_Click();
        QCOMPARE(field(w, "nDisperze"), u("Yes"));
    }

    void scrollBarWritesSlowDown() {
        frmRavo w;
        auto* bar = control<QScrollBar>(w, "HScroll1");
        bar->setValue(37);
        QCOMPARE(field(w, "nSpomaleni"), u("37"));
        bar->setValue(1);
        QCOMPARE(field(w, "nSpomaleni"), u("1"));
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(field(w, "nSpomaleni"), u("2"));
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(field(w, "nSpomaleni"), u("3"));
        // A drag writes once, when the thumb is released.
        bar->setSliderDown(true);
        bar->setSliderPosition(500);
        bar->setSliderPosition(900);
        QCOMPARE(field(w, "nSpomaleni"), u("3"));
        bar->setSliderDown(false);
        QCOMPARE(field(w, "nSpomaleni"), u("900"));
        bar->setValue(10000);
        QCOMPARE(field(w, "nSpomaleni"), u("10000"));
    }

    void typedFrequencyIsTheSetting() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* box = control<QLineEdit>(w, "nKmitočet");
        box->selectAll();
        QTest::keyClicks(box, "0.75");
        QCOMPARE(w.settings().text(Setting::nKmitočet), std::string("0.75"));
        click(w, "opČervený");
        QCOMPARE(box->text(), u("0.5"));
    }

    // The first run in dots mode asks nothing; later ones ask, and the answer decides
    // whether the marks of the earlier run stay.
    void secondRunAsksAboutOldMarks() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QStringList asked;
        QList<bool> answers{false, true};
        w.surface().setAnswerProvider([&](std::string_view prompt) {
            asked << QString::fromStdString(std::string(prompt));
            return answers.takeFirst();
        });
        w.cmdStart_Click();
        QVERIFY(asked.isEmpty());
        QCOMPARE(field(w, "nStart"), u("0"));
        const int bluePeak = topmost(w, 514, 30, 229, blueMark);
        QVERIFY2(bluePeak >= 54 && bluePeak <= 58, qPrintable(QString::number(bluePeak)));

        click(w, "opČervený");
        w.cmdStart_Click();
        QCOMPARE(asked, QStringList{"Delete probability"});
        // "No": the blue curve stays, and the red one peaks farther from the lens.
        QCOMPARE(topmost(w, 514, 30, 229, blueMark), bluePeak);
        const int redPeak = topmost(w, 619, 30, 229, redMark);
        QVERIFY(redPeak > 0);
        QVERIFY(topmost(w, 514, 30, 229, redMark) > redPeak);

        click(w, "opModrý");
        click(w, "opBody");
        control<QLineEdit>(w, "nKmitočet")->setText("0.75");
        w.cmdStart_Click();
        QCOMPARE(asked.size(), 2);
        // "Yes": the old marks are gone.
        QCOMPARE(topmost(w, 619, 30, 229, redMark), -1);
        QCOMPARE(topmost(w, 514, 30, 229, blueMark), -1);
    }

    void barsModeNeverAsks() {
        frmRavo w;
        int questions = 0;
        w.surface().setAnswerProvider([&](std::string_view) {
            ++questions;
            return false;
        });
        w.opPruhy_Click();
        w.cmdStart_Click();
        w.cmdStart_Click();
        QCOMPARE(questions, 0);
        // A bar rises from the base line at the peak.
        QCOMPARE(pixel(w, 514, 150), blueMark);
        QCOMPARE(pixel(w, 514, 228), blueMark);
    }

    // The prompt lies in the drawing layer: the run's first band takes it out of view.
    void promptIsCoveredByTheRun() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto darkPixelsInPrompt = [&] {
            int n = 0;
            for (int y = 240; y <= 264; ++y)
                for (int x = 336; x <= 568; ++x)
                    n += qGray(pixel(w, x, y)) < 100;
            return n;
        };
        QVERIFY(darkPixelsInPrompt() > 100);
        QVERIFY(control(w, "labKlepnete")->isVisible());
        w.cmdStart_Click();
        QCOMPARE(darkPixelsInPrompt(), 0);
    }

    void refusedFrequencyLeavesEverything() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QStringList messages;
        w.surface().setMessageSink(
            [&](std::string_view text) { messages << QString::fromStdString(std::string(text)); });
        w.cmdStart_Click();
        const QImage before = w.canvas().image().copy();
        auto* box = control<QLineEdit>(w, "nKmitočet");
        box->selectAll();
        QTest::keyClicks(box, "abc");
        w.cmdStart_Click();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains("0.5"));
        QCOMPARE(w.canvas().image(), before);
        QCOMPARE(field(w, "nStart"), u("0"));
        QVERIFY(!w.lastOutcome().completed);
    }

    void exitClosesTheWindow() {
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        click(w, "cmdKonec");
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
