// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the window as a pupil without a mouse or full colour vision reads it, and
// as a teacher carries it to another machine: Tab reaches it and it shows the focus; the
// arrows read the marks the model puts there; Return looks inside one and Escape comes back;
// the description names each run's focus; marks by shape and hidden marks, and back to the
// design's pixels; the legend in a copied picture only; a link copied, opened and refused;
// an erase undone.
#include "PictureView.h"
#include "PointView.h"
#include "frmRavo.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include "FastClock.h"

#include <QtTest>

using namespace ravo;

namespace {

struct Window {
    test::FastClock clock;
    frmRavo w{nullptr, nullptr, clock};
    std::deque<bool> answers;

    Window() {
        w.setAnswerProvider([this](std::string_view) {
            const bool yes = !answers.empty() && answers.front();
            if (!answers.empty())
                answers.pop_front();
            return yes;
        });
        w.setMessageSink([](std::string_view) {});
    }
    bool show() {
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            return false;
        w.activateWindow();
        return QTest::qWaitForWindowActive(&w);
    }
    bool run(bool answer = false) {
        answers = {answer}; // the answer to this run's question, if it asks one
        w.cmdStart_Click();
        return QTest::qWaitFor([&] { return !w.running(); }, 30'000);
    }
    QImage picture() {
        w.surface().endPainting();
        return w.canvas().image().copy();
    }
};

bool pureBlueIn(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(0, 0, 255))
                return true;
    return false;
}

// How wide the red mark at the peak of a red run is in its top and bottom rows.
std::pair<int, int> markRows(const QImage& image, int x, int y0, int y1) {
    int top = -1, bottom = -1;
    for (int y = y0; y <= y1; ++y) {
        int width = 0;
        for (int dx = -4; dx <= 4; ++dx)
            width += image.pixel(x + dx, y) == qRgb(255, 0, 0);
        if (width && top < 0)
            top = width;
        if (width)
            bottom = width;
    }
    return {top, bottom};
}

} // namespace

class PictureWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // Tab reaches the picture after the scroll bar; a picture without marks says so; with
    // the focus it shows a frame, which a copied picture does not hold.
    void tabReachesThePicture() {
        Window win;
        frmRavo& w = win.w;
        QVERIFY(win.show());
        w.findChild<QScrollBar*>("HScroll1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &w.canvas());
        QCOMPARE(w.canvas().accessibleName(), QString("No marks yet."));
        const QImage focused = w.grab().toImage();
        w.copyPicture();
        const QImage copied = QGuiApplication::clipboard()->image();
        w.findChild<QScrollBar*>("HScroll1")->setFocus();
        const QImage unfocused = w.grab().toImage();
        QVERIFY(focused != unfocused);
        // Below the controls: the frame in the window, not in the copy.
        const QRect below(0, 200, 800, 381);
        QVERIFY(focused.copy(below) != unfocused.copy(below));
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32).copy(below),
                 unfocused.convertToFormat(QImage::Format_RGB32).copy(below));
    }

    // After the default run the arrows read the model's marks: the cursor starts on the peak,
    // point 52 with P = 134.0; Right goes to point 53; Return looks inside it and Escape
    // brings the focus back to the picture at that mark. The Menu key opens the menu.
    void arrowsReturnAndEscape() {
        Window win;
        frmRavo& w = win.w;
        QVERIFY(win.show());
        QVERIFY(win.run());
        w.canvas().setFocus();
        QVERIFY(w.canvas().accessibleName().startsWith("Run 1: point 52, x = 514: P = 134.0 · blue"));
        QTest::keyClick(&w.canvas(), Qt::Key_Right);
        QVERIFY(w.canvas().accessibleName().startsWith("Run 1: point 53, x = 521"));
        QTest::keyClick(&w.canvas(), Qt::Key_Return);
        QVERIFY(w.inspector() && w.inspector()->isVisible());
        QCOMPARE(w.inspector()->point(), 53);
        // Made tall and narrow, it lays the point out narrow, one part above the other, and
        // wide again when it is wide: the same point, its picture different.
        PointView& view = *w.inspector();
        const QImage wide = view.grab().toImage();
        view.resize(320, 760);
        QTRY_COMPARE(view.layout(), Inspection::Layout::Narrow);
        QCOMPARE(view.point(), 53);
        view.resize(wide.size());
        QTRY_COMPARE(view.layout(), Inspection::Layout::Wide);
        QCOMPARE(view.grab().toImage(), wide);
        QTest::keyClick(w.inspector(), Qt::Key_Escape);
        QVERIFY(!w.inspector()->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), &w.canvas());
        QVERIFY(w.canvas().accessibleName().startsWith("Run 1: point 53"));
        QTest::keyClick(&w.canvas(), Qt::Key_Home);
        QVERIFY(w.canvas().accessibleName().startsWith("Run 1: point 1, x = 157"));
        bool menu = false;
        QTimer::singleShot(0, [&] {
            if (auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                menu = true;
                const QStringList entries = [&] {
                    QStringList texts;
                    for (QAction* action : open->actions())
                        texts << action->text();
                    return texts;
                }();
                QVERIFY(entries.contains("Marks by shape") && entries.contains("Legend") &&
                        entries.contains("Copy link") &&
                        (entries.contains("Listen") || entries.contains("Listen: no sound device was found")));
                open->close();
            }
        });
        QTest::keyClick(&w.canvas(), Qt::Key_Menu);
        QTRY_VERIFY(menu);
    }

    // After blue, red and green runs kept, the description names each run's focus, and which
    // comes nearest the lens.
    void theDescriptionNamesEachFocus() {
        Window win;
        frmRavo& w = win.w;
        QVERIFY(win.show());
        QVERIFY(win.run());
        w.click("opČervený");
        QVERIFY(win.run(false));
        w.click("OpZelená");
        QVERIFY(win.run(false));
        const QString description = w.canvas().accessibleDescription();
        for (const char* part : {"Run 1, blue", "focus at point 52, x = 514", "Run 2, red",
                                 "focus at point 67, x = 619", "Run 3, green", "focus at point 60, x = 570",
                                 "Run 1 (blue) comes to its focus nearest the lens, run 2 (red) farthest from it."})
            QVERIFY2(description.contains(QString::fromUtf8(part)), part);
    }

    // Marks by shape: red triangles (narrow at the top, wide at the base), green squares;
    // hidden marks leave no mark pixel; each turned off gives the picture back exactly.
    void shapesAndHiddenMarks() {
        Window win;
        frmRavo& w = win.w;
        QVERIFY(win.show());
        QVERIFY(win.run());
        w.click("opČervený");
        QVERIFY(win.run(false));
        const QImage design = win.picture();
        const PointResult red = w.history().runs()[1].points[66].result;
        const int rx = int(red.x), ry = int(red.markY);
        const auto [dotTop, dotBottom] = markRows(design, rx, ry - 4, ry + 4);
        QVERIFY(dotTop > 0 && dotTop == dotBottom); // a round dot
        w.setView({false, true, false, false});
        const auto [top, bottom] = markRows(win.picture(), rx, ry - 4, ry + 4);
        QVERIFY2(top > 0 && bottom >= top + 3, qPrintable(QString("%1 %2").arg(top).arg(bottom)));
        w.setView({});
        QCOMPARE(win.picture(), design);
        w.setView({false, false, true, false});
        QVERIFY(!pureBlueIn(win.picture()));
        QCOMPARE(markRows(win.picture(), rx, ry - 4, ry + 4).first, -1);
        w.setView({});
        QCOMPARE(win.picture(), design);
    }

    // The legend lies over the picture: in a copied picture, never in the picture's image.
    void theLegendIsCopiedNotDrawn() {
        Window win;
        frmRavo& w = win.w;
        QVERIFY(win.show());
        QVERIFY(win.run());
        w.copyPicture();
        const QImage without = QGuiApplication::clipboard()->image();
        const QImage picture = win.picture();
        w.setView({false, false, false, true});
        QCOMPARE(win.picture(), picture);
        w.copyPicture();
        const QImage with = QGuiApplication::clipboard()->image();
        QCOMPARE(with.size(), without.size());
        QVERIFY(with != without);
        // Below right, where no mark falls.
        QVERIFY(with.copy(QRect(600, 520, 190, 55)) != without.copy(QRect(600, 520, 190, 55)));
        QCOMPARE(with.copy(QRect(150, 0, 600, 232)), without.copy(QRect(150, 0, 600, 232)));
    }

    // A link copied after a blue run and a kept red one opens in another window to the same
    // records and the same picture; a damaged link and a text of 200,000 characters are
    // refused with a message, the picture kept exactly.
    void linksCopiedOpenedRefused() {
        Window first;
        QVERIFY(first.show());
        QVERIFY(first.run());
        first.w.click("opČervený");
        QVERIFY(first.run(false));
        first.w.copyLink();
        const QString link = QGuiApplication::clipboard()->text();
        QVERIFY(link.startsWith("ravo1_") && !link.contains('\n') && !link.contains(' '));
        Window second;
        QVERIFY(second.show());
        QVERIFY(second.w.openLink(link));
        QCOMPARE(second.w.history().runs().size(), std::size_t(2));
        for (std::size_t r = 0; r < 2; ++r)
            for (std::size_t i = 0; i < 85; ++i)
                QCOMPARE(second.w.history().runs()[r].points[i].result,
                         first.w.history().runs()[r].points[i].result);
        QCOMPARE(second.picture(), first.picture());
        QCOMPARE(second.w.settings().text(Setting::nKmitočet), std::string("0.5"));
        QVERIFY(second.w.findChild<QAbstractButton*>(QString::fromUtf8("opČervený"))->isChecked());
        // Pasted on the picture, as a teacher would.
        Window third;
        QVERIFY(third.show());
        third.w.canvas().setFocus();
        QTest::keyClick(&third.w.canvas(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(third.picture(), first.picture());
        const QImage before = second.picture();
        for (const QString& wrong : {link.left(link.size() - 5) + "XYZ", QString(200000, 'r')}) {
            QVERIFY(!second.w.openLink(wrong));
            QVERIFY(!second.w.lastNotice().isEmpty());
            QCOMPARE(second.picture(), before);
            QCOMPARE(second.w.history().runs().size(), std::size_t(2));
        }
    }

    // Ctrl+Z after "Yes" brings the erased marks back exactly as "No" would have kept them.
    void anEraseUndone() {
        Window kept, undone;
        for (Window* win : {&kept, &undone}) {
            QVERIFY(win->show());
            QVERIFY(win->run());
            win->w.click("opČervený");
        }
        QVERIFY(kept.run(false));
        QVERIFY(undone.run(true));
        QVERIFY(undone.picture() != kept.picture());
        undone.w.canvas().setFocus();
        QTest::keyClick(&undone.w.canvas(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(undone.picture(), kept.picture());
        QCOMPARE(undone.w.lastNotice(), QString("The erased marks are back."));
        QVERIFY(!undone.w.undoErase());
    }
};

QTEST_MAIN(PictureWindowTest)
#include "tst_picturewindow.moc"
