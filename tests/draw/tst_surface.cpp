// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasScene.h"
#include "ImageCompare.h"
#include "RunInputGuard.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace ravo;
using ravo::test::Scene;

namespace {

const QRgb grey = Scene::grey;

} // namespace

class SurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void startsGrey() {
        Scene s;
        QCOMPARE(s.at(0, 0), grey);
        QCOMPARE(s.at(799, 580), grey);
    }

    // The design's palette: every role in the colour the picture has always had.
    void designColourOfEachRole_data() {
        QTest::addColumn<int>("role");
        QTest::addColumn<uint>("expected");
        const QRgb black = qRgb(0, 0, 0);
        const struct {
            const char* name;
            Role role;
            QRgb colour;
        } rows[] = {
            {"erase", Role::Erase, grey},
            {"axis", Role::Axis, black},
            {"glass", Role::Glass, qRgb(192, 255, 192)},
            {"outline", Role::LensOutline, black},
            {"blade", Role::Blade, black},
            {"ray", Role::Ray, black},
            {"arrow", Role::Arrow, black},
            {"base line", Role::BaseLine, black},
            {"spiral", Role::Spiral, black},
            {"resultant", Role::Resultant, qRgb(0, 255, 0)},
            {"red mark", Role::MarkRed, qRgb(255, 0, 0)},
            {"green mark", Role::MarkGreen, qRgb(0, 255, 0)},
            {"blue mark", Role::MarkBlue, qRgb(0, 0, 255)},
            {"white sample", Role::WhiteSample, qRgb(255, 255, 255)},
        };
        static_assert(std::size(rows) == roleCount);
        for (const auto& row : rows)
            QTest::newRow(row.name) << int(row.role) << uint(row.colour);
    }
    void designColourOfEachRole() {
        QFETCH(int, role);
        QFETCH(uint, expected);
        Scene s;
        s.surface.DrawLine(100, 99.5f, 200, 99.5f, Role::Spiral); // something to erase
        s.surface.SetPenWidth(2);
        s.surface.DrawLine(100, 100, 200, 100, Role(role));
        QCOMPARE(s.at(150, 99), QRgb(expected));
        QCOMPARE(s.at(150, 100), QRgb(expected));
    }

    // Points far outside the picture are normal: only the visible part is drawn.
    void clipsWhatFallsOutside() {
        Scene s;
        s.surface.DrawLine(-300, 50, -10, 80, Role::Ray);
        for (int y = 40; y < 90; ++y)
            QCOMPARE(s.at(0, y), grey);
        s.surface.SetPenWidth(2);
        s.surface.DrawCircle(-390, 290.5f, 500, Role::LensOutline);
        // The circle reaches the picture only as the arc near x = 110.
        QVERIFY(s.paintedRows(110, 280, 300) > 0);
        QCOMPARE(s.at(300, 290), grey);
        QCOMPARE(s.at(0, 0), grey);
        s.surface.DrawLine(-1e5f, 10.5f, 1e5f, 10.5f, Role::Ray);
        QCOMPARE(s.at(400, 10), qRgb(0, 0, 0));
    }

    void widerPenIsThicker() {
        Scene s;
        s.surface.SetPenWidth(1);
        s.surface.DrawLine(100, 100.5f, 200, 100.5f, Role::Ray);
        s.surface.SetPenWidth(4);
        s.surface.DrawLine(100, 200.5f, 200, 200.5f, Role::Blade);
        const int thin = s.paintedRows(150, 90, 110);
        const int thick = s.paintedRows(150, 190, 210);
        QCOMPARE(thin, 1);
        QVERIFY2(thick >= 4 && thick <= 5, qPrintable(QString::number(thick)));
    }

    void radiusOneAtWidthTwoIsADot() {
        Scene s;
        s.surface.SetPenWidth(2);
        s.surface.DrawCircle(300, 56.3f, 1, Role::MarkBlue);
        // Filled: the centre is blue, so is a solid blob around it, and nothing far away.
        QCOMPARE(s.at(300, 56), qRgb(0, 0, 255));
        int bluePixels = 0;
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                bluePixels += s.at(300 + dx, 56 + dy) == qRgb(0, 0, 255);
        QVERIFY2(bluePixels >= 9 && bluePixels <= 16, qPrintable(QString::number(bluePixels)));
        for (int d = -4; d <= 4; ++d) {
            QCOMPARE(s.at(300 + d, 52), grey);
            QCOMPARE(s.at(300 + d, 60), grey);
            QCOMPARE(s.at(296, 56 + d), grey);
            QCOMPARE(s.at(304, 56 + d), grey);
        }
    }

    void laterDrawingCoversOnlyWhereItOverdraws() {
        Scene s;
        s.surface.SetPenWidth(4);
        s.surface.DrawLine(100, 300, 300, 300, Role::MarkRed);
        s.surface.SetPenWidth(1);
        s.surface.DrawLine(200.5f, 250, 200.5f, 350, Role::Erase);
        QCOMPARE(s.at(200, 300), grey);
        QCOMPARE(s.at(150, 300), qRgb(255, 0, 0));
        QCOMPARE(s.at(250, 300), qRgb(255, 0, 0));
    }

    void pictureSurvivesHideShowAndResize() {
        Scene s;
        s.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        s.surface.SetPenWidth(2);
        s.surface.DrawLine(10, 10, 790, 570, Role::MarkRed);
        s.surface.DrawCircle(400, 300, 100, Role::Resultant);
        s.surface.settle();
        const QImage before = s.canvas->image().copy();
        const QImage shownBefore = s.canvas->grab().toImage();

        s.window.hide();
        s.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        RAVO_COMPARE_IMAGES(s.canvas->image(), before);

        s.window.resize(300, 200);
        s.canvas->setGeometry(s.window.rect());
        s.window.resize(1000, 700);
        s.canvas->setGeometry(s.window.rect());
        QCoreApplication::processEvents();
        // Nothing lost; the new area beyond the picture is background grey.
        RAVO_COMPARE_IMAGES(s.canvas->image().copy(QRect(QPoint(0, 0), before.size())), before);
        const QImage shownAfter = s.canvas->grab().toImage();
        QCOMPARE(shownAfter.pixel(shownAfter.rect().bottomRight() - QPoint(50, 50)), grey);
        RAVO_COMPARE_IMAGES(shownAfter.copy(QRect(QPoint(0, 0), shownBefore.size())), shownBefore);
    }

    // During a run clicks and keys do not reach the window, but do reach a box of its own.
    void runGuardHoldsBackInput() {
        QWidget window;
        auto* button = new QPushButton("Exit", &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(button, &QPushButton::clicked);
        {
            RunInputGuard guard(window, {});
            QTest::mouseClick(button, Qt::LeftButton);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
            QCOMPARE(clicks.count(), 0);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);

            QWidget other;
            auto* answer = new QPushButton("No", &other);
            other.show();
            QSignalSpy answers(answer, &QPushButton::clicked);
            QTest::mouseClick(answer, Qt::LeftButton);
            QCOMPARE(answers.count(), 1);
        }
        QVERIFY(!QApplication::overrideCursor());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }

    // A picture of another resolution is made anew and drawn again, never scaled: a line of
    // one design pixel covers exactly the new factor of image rows, at full colour.
    void newResolutionIsDrawnAgain() {
        Scene s;
        int redraws = 0;
        s.canvas->setRedraw([&] {
            ++redraws;
            s.surface.DrawLine(100, 100.5f, 200, 100.5f, Role::MarkBlue);
        });
        s.canvas->renew(true);
        QCOMPARE(redraws, 1);
        DesignPlacement zoomed;
        zoomed.zoom = 2.6;
        s.canvas->setPlacement(zoomed);
        QCOMPARE(redraws, 2);
        QCOMPARE(s.canvas->factor(), 3);
        s.surface.endPainting();
        const QImage& image = s.canvas->image();
        int rows = 0;
        for (int y = 290; y < 310; ++y)
            rows += image.pixel(450, y) == qRgb(0, 0, 255);
        QCOMPARE(rows, 3);
        QCOMPARE(image.pixel(450, 301), qRgb(0, 0, 255));
        s.canvas->setPlacement(DesignPlacement{});
        QCOMPARE(redraws, 3);
        QCOMPARE(s.canvas->factor(), 1);
    }

    void nonFiniteCoordinatesNeverReachThePainter() {
        Scene s;
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        const QImage before = s.canvas->image().copy();
        s.surface.DrawLine(nan, 10, 100, 10, Role::Ray);
        s.surface.DrawLine(10, 10, inf, 10, Role::Ray);
        s.surface.DrawCircle(100, nan, 5, Role::MarkBlue);
        s.surface.DrawCircle(100, 100, inf, Role::MarkBlue);
        s.surface.settle();
        RAVO_COMPARE_IMAGES(s.canvas->image(), before);
    }
};

QTEST_MAIN(SurfaceTest)
#include "tst_surface.moc"
