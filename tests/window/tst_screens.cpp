// SPDX-License-Identifier: GPL-3.0-or-later
// A window that moves from a screen at scale 1 to one at scale 2 and is enlarged there: the
// picture is drawn anew at the new resolution, not scaled up; back on the first screen at
// the design size it is pixel for pixel what it was. (Run with two offscreen screens,
// tests/support/screens-1x-2x.json.)
#include "WindowRuns.h"

#include <QScreen>
#include <QWindow>
#include <QtTest>

using namespace ravo;
using namespace ravo::test;

class ScreensTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void redrawnOnAScreenOfAnotherScale() {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() < 2 || screens[0]->devicePixelRatio() != 1 ||
            screens[1]->devicePixelRatio() != 2)
            QSKIP("needs a screen at scale 1 and one at scale 2");
        TestWindow w;
        w.move(screens[0]->geometry().topLeft() + QPoint(20, 20));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(runToEnd(w));
        w.surface().endPainting();
        const QImage atOne = w.canvas().image().copy();
        QCOMPARE(w.canvas().factor(), 1);

        const int redraws = w.canvas().redrawCount();
        w.windowHandle()->setScreen(screens[1]);
        w.move(screens[1]->geometry().topLeft() + QPoint(20, 20));
        w.resize(1200, 872); // zoom 1.5: three screen pixels per design pixel
        RAVO_TRY_COMPARE(w.devicePixelRatio(), 2.0);
        w.repaint();
        RAVO_TRY_COMPARE(w.canvas().factor(), 3);
        QVERIFY(w.canvas().redrawCount() > redraws);

        const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        // The blue peak in pure blue at its place: 3 pixels per design pixel.
        QCOMPARE(QColor(shown.pixel(int(514.5 * 3), int(56.3 * 3))), QColor(0, 0, 255));
        // Each incoming ray, crossed at x = 20, is three whole pixels of black, no blend.
        int black = 0, blended = 0;
        for (int y = 0; y < 581 * 3; ++y) {
            const int g = qGray(shown.pixel(20 * 3, y));
            black += g < 5;
            blended += g >= 5 && g < 187;
        }
        QCOMPARE(black, 101 * 3);
        QCOMPARE(blended, 0);

        // The picture redrawn from the records is the one a run draws there itself.
        w.surface().endPainting();
        const QImage redrawn = w.canvas().image().copy();
        {
            TestWindow there;
            there.move(screens[1]->geometry().topLeft() + QPoint(40, 40));
            there.show();
            QVERIFY(QTest::qWaitForWindowExposed(&there));
            there.resize(1200, 872);
            RAVO_TRY_COMPARE(there.canvas().factor(), 3);
            QVERIFY(runToEnd(there));
            there.surface().endPainting();
            RAVO_COMPARE_IMAGES(there.canvas().image(), redrawn);
        }

        w.windowHandle()->setScreen(screens[0]);
        w.move(screens[0]->geometry().topLeft() + QPoint(20, 20));
        w.resize(800, 581);
        RAVO_TRY_COMPARE(w.devicePixelRatio(), 1.0);
        w.repaint();
        RAVO_TRY_COMPARE(w.canvas().factor(), 1);
        w.surface().endPainting();
        RAVO_COMPARE_IMAGES(w.canvas().image(), atOne);
    }

    // Made on the first screen and shown on the second, which has room for less than the
    // design, the window takes the largest size that fits there.
    void startsToFitTheScreenItIsOn() {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() < 2)
            QSKIP("needs two screens");
        TestWindow w;
        w.move(screens[1]->geometry().topLeft() + QPoint(10, 10));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.screen(), screens[1]);
        const QSize room = screens[1]->availableSize();
        RAVO_TRY_VERIFY(w.height() <= room.height() && w.width() <= room.width());
        QVERIFY2(w.zoom() > 0.9, qPrintable(QString::number(w.zoom())));
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
