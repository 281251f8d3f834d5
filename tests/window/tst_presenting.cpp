// SPDX-License-Identifier: GPL-3.0-or-later
// Presenting to a class: projector colours and back, a held run that says where it stands,
// the keys on F1, texts that grow with the window, the picture copied without margins.
#include "KeysHelp.h"
#include "Palette.h"
#include "WindowRuns.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QToolTip>
#include <QtTest>

using namespace ravo;
using namespace ravo::test;

namespace {

QImage shown(frmRavo& w) {
    w.surface().settle();
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class PresentingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // Text and lines stand out from the projector's ground by 4.5:1, marks and the glass's
    // outline by 3:1; the sample arrows show on the ground and on the black fans.
    void projectorContrast() {
        const Palette& p = Palette::projector();
        for (Role line : {Role::Axis, Role::LensOutline, Role::Blade, Role::Ray, Role::Arrow,
                          Role::BaseLine, Role::Spiral, Role::Resultant, Role::WhiteSample})
            QVERIFY2(contrastRatio(p.of(line), p.ground) >= 4.5, qPrintable(QString::number(int(line))));
        for (Role mark : {Role::MarkRed, Role::MarkGreen, Role::MarkBlue})
            QVERIFY(contrastRatio(p.of(mark), p.ground) >= 3);
        QVERIFY(contrastRatio(p.of(Role::WhiteSample), Qt::black) >= 3);
        QVERIFY(contrastRatio(p.of(Role::LensOutline), p.of(Role::Glass)) >= 3);
        QCOMPARE(contrastRatio(Qt::white, Qt::black), 21.0);
        // The design's grey ground would fail: the check can tell.
        QVERIFY(contrastRatio(Palette::design().of(Role::Glass), Palette::design().ground) < 3);
    }

    // The whole window in projector colours, the marks of earlier runs kept; chosen again,
    // the window is pixel for pixel what it was.
    void projectorRoundTrip() {
        TestWindow w;
        QVERIFY(showActive(w));
        answerWith(w, {false});
        QVERIFY(runToEnd(w));
        w.setProjectorColours(true);
        QImage projector = shown(w);
        QCOMPARE(QColor(projector.pixel(700, 400)), QColor(Qt::white));
        QCOMPARE(QColor(projector.pixel(140, 75)), QColor(Qt::white)); // a frame's face
        const QColor blue = Palette::projector().of(Role::MarkBlue);
        QCOMPARE(QColor(pixelAt(w, 514, 56)), blue);
        QVERIFY(runToEnd(w)); // a run in projector colours, answered "No"
        QCOMPARE(QColor(pixelAt(w, 514, 56)), blue);
        w.setProjectorColours(false);
        QCOMPARE(QColor(pixelAt(w, 514, 56)), QColor(0, 0, 255));
        TestWindow twice;
        QVERIFY(showActive(twice));
        answerWith(twice, {false});
        QVERIFY(runToEnd(twice));
        QVERIFY(runToEnd(twice));
        const QImage unswitched = shown(twice); // both as the active window
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        RAVO_COMPARE_IMAGES(shown(w), unswitched);
    }

    // The band says where a held run stands and goes when it goes on; after Escape it says
    // where the run stopped, until the next Start.
    void statusOfAHeldRun() {
        TestWindow w;
        QVERIFY(showActive(w));
        control<QScrollBar>(w, "HScroll1")->setValue(10000);
        w.standAfter(0);
        w.cmdStart_Click();
        key(Qt::Key_Space);
        RAVO_TRY_VERIFY(w.runControl().state() == RunState::Held);
        QVERIFY(w.statusBand()->isVisible());
        QVERIFY(w.statusBand()->text().contains(QString(" of 85")));
        QCOMPARE(w.statusBand()->text(), w.accessibleDescription());
        QVERIFY(QFontMetrics(w.statusBand()->font()).horizontalAdvance(w.statusBand()->text()) <=
                w.statusBand()->width());
        key(Qt::Key_Space);
        RAVO_TRY_VERIFY(!w.statusBand()->isVisible());
        RAVO_TRY_VERIFY(w.standsAfter(0)); // going on, in its first pause
        key(Qt::Key_Escape);
        RAVO_TRY_VERIFY(!w.running());
        QVERIFY(w.statusBand()->isVisible());
        QVERIFY(w.statusBand()->text().startsWith("Stopped at point "));
        control<QScrollBar>(w, "HScroll1")->setValue(1);
        w.goOn();
        w.cmdStart_Click();
        QVERIFY(!w.statusBand()->isVisible());
        RAVO_TRY_VERIFY(!w.running());
        QVERIFY(!w.statusBand()->isVisible());
    }

    // F1 lists the keys; Escape closes the list. The pace in the menu sets the scroll bar.
    void keysAndPace() {
        TestWindow w;
        QVERIFY(showActive(w));
        key(Qt::Key_F1);
        QVERIFY(w.keysHelp() && w.keysHelp()->isVisible());
        QVERIFY(w.keysHelp()->text().contains("Space") && w.keysHelp()->text().contains("Escape"));
        QTest::keyClick(w.keysHelp(), Qt::Key_Escape);
        QVERIFY(!w.keysHelp()->isVisible());
        w.setPace(5000);
        QCOMPARE(control<QScrollBar>(w, "HScroll1")->value(), 5000);
        QCOMPARE(w.settings().text(Setting::nSpomaleni), std::string("5000"));
        QVERIFY(control(w, "HScroll1")->toolTip().contains("0.5 s per detector point"));
    }

    // At zoom 2 the tooltips, the menu and the help are twice their design size; the copied
    // picture is the design's area alone; the frequency box is white across its whole box.
    void everythingGrows() {
        TestWindow w;
        QVERIFY(showActive(w));
        int menuAtOne = 0;
        auto menuHeight = [&] {
            int height = 0;
            bool seen = false;
            // The menu pops up and the event loop goes on: it is measured once it is there.
            QTimer::singleShot(0, [&] {
                QWidget* menu = QApplication::activePopupWidget();
                height = menu ? menu->sizeHint().height() : 0;
                if (menu)
                    menu->close();
                seen = true;
            });
            QContextMenuEvent at(QContextMenuEvent::Mouse, QPoint(700, 400),
                                 w.mapToGlobal(QPoint(700, 400)));
            QApplication::sendEvent(&w.canvas(), &at);
            (void)test::waitUntil([&] { return seen; });
            return height;
        };
        menuAtOne = menuHeight();
        QVERIFY(menuAtOne > 0);
        const int tipAtOne = QToolTip::font().pixelSize();
        w.resize(1600, 1162 + 100);
        RAVO_TRY_COMPARE(w.zoom(), 2.0);
        const int menuAtTwo = menuHeight();
        QVERIFY2(menuAtTwo >= 2 * menuAtOne - 4, qPrintable(QString("%1 %2").arg(menuAtOne).arg(menuAtTwo)));
        QVERIFY(QToolTip::font().pixelSize() >= 2 * tipAtOne);

        QGuiApplication::clipboard()->clear();
        w.copyPicture();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(1600, 1162) * w.devicePixelRatio());

        auto* box = control<QLineEdit>(w, "nKmitočet");
        const QImage face = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int white = 0;
        const QRect inner = face.rect().adjusted(4, 4, -4, -4);
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x)
                white += QColor(face.pixel(x, y)) == QColor(Qt::white);
        QVERIFY2(white > inner.width() * inner.height() / 2,
                 qPrintable(QString("%1 of %2 white").arg(white).arg(inner.width() * inner.height())));
    }
};

QTEST_MAIN(PresentingTest)
#include "tst_presenting.moc"
