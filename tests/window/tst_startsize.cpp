// SPDX-License-Identifier: GPL-3.0-or-later
// The window's size at start: the design's, or on a screen whose free area is smaller, the
// largest size of the same shape that fits it. Run on a screen where the design fits and on
// a 1920 x 1080 screen scaled by 2, whose 540 free lines are fewer than the design's 581.

#include "TestWindow.h"

#include <QScreen>
#include <QtTest>

using namespace ravo;
using ravo::test::TestWindow;

class StartSizeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void startsAtTheLargestSizeThatFits() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QSize room = w.screen()->availableSize();
        const QSize design(800, 581);
        if (room.width() >= design.width() && room.height() >= design.height()) {
            QCOMPARE(w.size(), design);
            QCOMPARE(w.zoom(), 1.0);
            return;
        }
        // Title bar, client area and lower border fit the free area, and one side meets its
        // edge (to within a pixel); the whole design shows in the client area.
        const int frameHeight = w.frameGeometry().height();
        QVERIFY(room.width() >= w.width() && room.height() >= frameHeight);
        QVERIFY(w.width() >= room.width() - 1 || frameHeight >= room.height() - 1);
        QVERIFY(w.zoom() < 1);
        QVERIFY(w.rect().contains(w.findChild<QWidget*>("cmdKonec")->geometry()));
        QVERIFY(w.rect().contains(w.canvas().placement().designArea()));
    }
};

QTEST_MAIN(StartSizeTest)
#include "tst_startsize.moc"
