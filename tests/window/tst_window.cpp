// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowRuns.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace ravo;
using namespace ravo::test;

namespace {

QString field(frmRavo& w, const char* name) {
    return control<QLineEdit>(w, name)->text();
}

void click(frmRavo& w, const char* name) {
    QTest::mouseClick(control(w, name), Qt::LeftButton, {}, QPoint(6, 8));
}

QRgb pixel(frmRavo& w, int x, int y) {
    return pixelAt(w, x, y);
}

// The last column of row y with the glass's light green, or -1.
int glassEnd(frmRavo& w, int y) {
    for (int x = 120; x >= 0; --x)
        if (pixel(w, x, y) == qRgb(192, 255, 192))
            return x;
    return -1;
}

// The lowest row of the blade's column x = 50 above the axis that is black.
int upperBladeEnd(frmRavo& w) {
    int y = 20;
    while (y < 290 && pixel(w, 50, y + 1) == qRgb(0, 0, 0))
        ++y;
    return y;
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // After start-up the window shows its defaults, and the first run draws the blue curve
    // of the default lens, peaking at x = 514.
    void startUpShowsTheDefaults() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(field(w, "nKmitočet"), u("1"));
        QCOMPARE(field(w, "nDisperze"), u("Yes"));
        QVERIFY(control<QCheckBox>(w, "chDisperze")->isChecked());
        QVERIFY(!control(w, "nDisperze")->isEnabled());
        QCOMPARE(control<QScrollBar>(w, "HScroll1")->value(), 1);
        QVERIFY(runToEnd(w));
        const int peak = topmost(w, 514, 30, 229, blueMark);
        QVERIFY2(peak >= 54 && peak <= 58, qPrintable(QString::number(peak)));
        for (int x : {507, 521})
            QVERIFY(topmost(w, x, 30, 229, blueMark) > peak);
    }

    // What each option does, as the next run shows it: the lens's radius in the glass's
    // edge, the refractive index and the colour in where the light comes to its focus, the
    // aperture in the upper blade, the half lens in the lower blade, bars in the marks.
    void eachOptionShowsInTheRun() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        answerWith(w, {true, true, true, true, true, true, true, true, true, true});
        auto runWith = [&](const char* button) {
            click(w, button);
            QVERIFY(runToEnd(w));
        };
        auto peakX = [&](QRgb colour) {
            int best = 230, at = -1;
            for (int x = 157; x <= 745; x += 7)
                if (const int y = topmost(w, x, 20, 229, colour); y >= 0 && y < best)
                    best = y, at = x;
            return at;
        };
        QVERIFY(runToEnd(w));
        const int greatEdge = glassEnd(w, 489);
        const int defaultPeak = peakX(blueMark);
        runWith("opStřední");
        const int middleEdge = glassEnd(w, 489);
        runWith("opMalý");
        QVERIFY2(
            glassEnd(w, 489) < middleEdge && middleEdge < greatEdge,
            qPrintable(QString("%1 %2 %3").arg(glassEnd(w, 489)).arg(middleEdge).arg(greatEdge)));
        runWith("opVelký");
        runWith("opIndexVelký"); // slower glass bends more: the focus comes nearer
        QVERIFY(peakX(blueMark) < defaultPeak);
        runWith("opIndexMalý");
        QVERIFY(peakX(blueMark) > defaultPeak);
        runWith("opIndexStřední");
        QCOMPARE(peakX(blueMark), defaultPeak);
        runWith("opČervený");
        // Each colour comes to its focus at its own place (the highest dot, or its neighbour
        // of nearly the same height): blue nearest the lens, red farthest.
        QVERIFY(std::abs(peakX(redMark) - 619) <= 7);
        runWith("OpZelená");
        QVERIFY(std::abs(peakX(greenMark) - 570) <= 7);
        // The upper blade reaches down to the opening's edge, 90.5 + 50 or + 100 (its round
        // end a pixel or two further).
        runWith("opClonaUy39");
        QVERIFY(upperBladeEnd(w) >= 140 && upperBladeEnd(w) <= 143);
        runWith("opClonaUzka");
        QVERIFY(upperBladeEnd(w) >= 190 && upperBladeEnd(w) <= 193);
        QCOMPARE(pixel(w, 50, 302), qRgb(192, 255, 192)); // the glass shows in the opening
        runWith("opPůlAno");
        QCOMPARE(pixel(w, 50, 302), qRgb(0, 0, 0)); // the lower half is closed
        runWith("opPruhy");
        QCOMPARE(pixel(w, 570, 228), greenMark); // a bar rises from the base line
    }

    void dispersionFlipsWithEveryClick() {
        TestWindow w;
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
        w.settings().setText(Setting::nDisperze, "No");
        w.form().click("chDisperze");
        QCOMPARE(field(w, "nDisperze"), u("Yes"));
    }

    void scrollBarWritesSlowDown() {
        TestWindow w;
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
        TestWindow w;
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
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QStringList asked;
        QList<bool> answers{false, true};
        w.setAnswerProvider([&](std::string_view prompt) {
            asked << QString::fromStdString(std::string(prompt));
            return answers.takeFirst();
        });
        QVERIFY(runToEnd(w));
        QVERIFY(asked.isEmpty());
        QCOMPARE(field(w, "nStart"), u("0"));
        const int bluePeak = topmost(w, 514, 30, 229, blueMark);
        QVERIFY2(bluePeak >= 54 && bluePeak <= 58, qPrintable(QString::number(bluePeak)));

        click(w, "opČervený");
        QVERIFY(runToEnd(w));
        QCOMPARE(asked, QStringList{"Delete probability"});
        // "No": the blue curve stays, and the red one peaks farther from the lens.
        QCOMPARE(topmost(w, 514, 30, 229, blueMark), bluePeak);
        const int redPeak = topmost(w, 619, 30, 229, redMark);
        QVERIFY(redPeak > 0);
        QVERIFY(topmost(w, 514, 30, 229, redMark) > redPeak);

        click(w, "opModrý");
        click(w, "opBody");
        control<QLineEdit>(w, "nKmitočet")->setText("0.75");
        QVERIFY(runToEnd(w));
        QCOMPARE(asked.size(), 2);
        // "Yes": the old marks are gone.
        QCOMPARE(topmost(w, 619, 30, 229, redMark), -1);
        QCOMPARE(topmost(w, 514, 30, 229, blueMark), -1);
    }

    void barsModeNeverAsks() {
        TestWindow w;
        int questions = 0;
        w.setAnswerProvider([&](std::string_view) {
            ++questions;
            return false;
        });
        w.form().click("opPruhy");
        QVERIFY(runToEnd(w));
        QVERIFY(runToEnd(w));
        QCOMPARE(questions, 0);
        // A bar rises from the base line at the peak.
        QCOMPARE(pixel(w, 514, 150), blueMark);
        QCOMPARE(pixel(w, 514, 228), blueMark);
    }

    // The prompt lies in the drawing layer: the run's first band takes it out of view.
    void promptIsCoveredByTheRun() {
        TestWindow w;
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
        QVERIFY(runToEnd(w));
        QCOMPARE(darkPixelsInPrompt(), 0);
    }

    void refusedFrequencyLeavesEverything() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QStringList messages;
        w.setMessageSink(
            [&](std::string_view text) { messages << QString::fromStdString(std::string(text)); });
        QVERIFY(runToEnd(w));
        w.surface().endPainting();
        const QImage before = w.canvas().image().copy();
        const std::size_t runs = w.history().runs().size();
        auto* box = control<QLineEdit>(w, "nKmitočet");
        box->selectAll();
        QTest::keyClicks(box, "abc");
        QVERIFY(runToEnd(w));
        QCOMPARE(w.history().runs().size(), runs); // a refused run leaves no record
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains("0.5"));
        RAVO_COMPARE_IMAGES(w.canvas().image(), before);
        QCOMPARE(field(w, "nStart"), u("0"));
        QVERIFY(!w.lastOutcome().completed);
    }

    void exitClosesTheWindow() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        click(w, "cmdKonec");
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
