// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowRuns.h"
// The window enlarged and reduced: every control and the picture at the zoom of the client
// area, centred, clicks and keys where the controls are shown, lines equally thick at a
// fractional zoom, nothing drawn beyond the design, and marks kept through resizing.

#include "Layout.h"
#include "frmRavo.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

using namespace ravo;
using namespace ravo::test;

namespace {

const QRgb grey = qRgb(192, 192, 192);
const QSize design(800, 581);

// The client area at zoom 1.8.
const QSize large(1440, 1046);
const qreal largeZoom = 1.8;

bool isBlue(QRgb c) {
    return qBlue(c) > 150 && qRed(c) < 110 && qGreen(c) < 110;
}
bool isRed(QRgb c) {
    return qRed(c) > 150 && qBlue(c) < 110 && qGreen(c) < 110;
}

// The centre of the highest mark of a colour in a window's picture (zoom: its pixels per
// design pixel), right of the colour buttons: the mean of the pixels of that colour within
// a dot's size (two design pixels each way) of the topmost one.
std::optional<QPointF> peakOf(const QImage& image, bool (*colour)(QRgb), qreal zoom) {
    std::optional<QPoint> top;
    for (int y = 0; y < image.height() && !top; ++y)
        for (int x = int(280 * zoom); x < image.width(); ++x)
            if (colour(image.pixel(x, y))) {
                top = QPoint(x, y);
                break;
            }
    if (!top)
        return std::nullopt;
    const int reach = int(std::ceil(2 * zoom)) + 1;
    qreal sx = 0, sy = 0, n = 0;
    for (int y = top->y(); y <= top->y() + 2 * reach && y < image.height(); ++y)
        for (int x = top->x() - reach; x <= top->x() + reach; ++x)
            if (x >= 0 && x < image.width() && colour(image.pixel(x, y))) {
                sx += x + 0.5;
                sy += y + 0.5;
                ++n;
            }
    return QPointF(sx / n, sy / n);
}

// The darkness (0 for grey, 1 for black) of the rows of one column, gathered into the
// separate lines that cross it: each line's darkness-weighted thickness in pixels.
std::vector<qreal> lineThicknesses(const QImage& image, int x, int y0, int y1) {
    std::vector<qreal> lines;
    qreal current = 0;
    for (int y = y0; y <= y1; ++y) {
        const qreal dark = std::max(0.0, 1.0 - qGray(image.pixel(x, y)) / 192.0);
        if (dark > 0.02) {
            current += dark;
        } else if (current > 0) {
            lines.push_back(current);
            current = 0;
        }
    }
    if (current > 0)
        lines.push_back(current);
    return lines;
}

// The window as shown, in the screen's pixels.
QImage shown(frmRavo& w) {
    w.surface().settle();
    return w.grab().toImage();
}

// The picture alone, in the screen's pixels: where a control stands, ground. At a fractional
// pixel ratio a control's edge may leave a column of the picture under it showing, which is
// not a mark.
QImage pictureOf(frmRavo& w) {
    QImage image = shown(w);
    const qreal r = image.devicePixelRatio();
    QPainter painter(&image);
    painter.scale(1 / r, 1 / r);
    for (QWidget* control : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != &w.canvas() && control->isVisible()) {
            const QRectF area(QPointF(control->geometry().topLeft()) * r,
                              QSizeF(control->size()) * r);
            painter.fillRect(area.toAlignedRect().adjusted(-1, -1, 1, 1), grey);
        }
    return image;
}

// The most pixels across one line of a column that are neither ground nor black: how far
// the line's edges are blended.
int blendedAcross(const QImage& image, int x, int y0, int y1) {
    int most = 0, current = 0;
    for (int y = y0; y <= y1; ++y) {
        const int g = qGray(image.pixel(x, y));
        if (g > 4 && g < 188)
            most = std::max(most, ++current);
        else
            current = 0;
    }
    return most;
}

// Pixels of the window's picture per design pixel.
qreal pixelsPerDesignPixel(const frmRavo& w, const QImage& image) {
    return w.zoom() * image.devicePixelRatio();
}

// Clicks a point of the client area on whatever control is shown there.
void clickAt(frmRavo& w, QPoint point) {
    QWidget* target = w.childAt(point);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&w, point));
}

QPoint centreOnWindow(frmRavo& w, const char* name) {
    auto* control = w.findChild<QWidget*>(u(name));
    return control->mapTo(&w, control->rect().center());
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // Every control, wherever it is, covers its design rectangle times the zoom, moved by
    // the grey margin, to within a pixel; and the design's coordinates come back from the
    // window's.
    void controlsTakeTheirPlacesTimesTheZoom_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<qreal>("zoom");
        QTest::addColumn<QPoint>("margin");
        QTest::newRow("1.8") << large << largeZoom << QPoint(0, 0);
        QTest::newRow("1.8, wider") << QSize(1600, 1046) << 1046 / 581.0 << QPoint(79, 0);
        QTest::newRow("0.6, taller") << QSize(480, 449) << 0.6 << QPoint(0, 50);
        QTest::newRow("smallest") << QSize(400, 291) << 0.5 << QPoint(0, 0);
    }
    void controlsTakeTheirPlacesTimesTheZoom() {
        QFETCH(QSize, client);
        QFETCH(qreal, zoom);
        QFETCH(QPoint, margin);
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Below the size where its texts stay readable, as a small screen lets the window be.
        if (zoom < readableZoom)
            w.setMinimumSize(DesignPlacement::minimumClient());
        w.resize(client);
        RAVO_TRY_COMPARE(w.size(), client);
        QVERIFY(std::fabs(w.zoom() - zoom) < 1e-9);

        for (const test::LayoutControl& entry : test::layout().controls) {
            QRectF expected(QRectF(entry.onWindow, entry.at.size()));
            expected = QRectF(expected.topLeft() * zoom + QPointF(margin), expected.size() * zoom);
            auto* control = w.findChild<QWidget*>(entry.name);
            QVERIFY(control);
            const QRect actual(control->mapTo(&w, QPoint(0, 0)), control->size());
            const auto near = [](qreal a, qreal b) { return std::fabs(a - b) <= 1; };
            QVERIFY2(near(actual.left(), expected.left()) && near(actual.top(), expected.top()) &&
                         near(actual.width(), expected.width()) &&
                         near(actual.height(), expected.height()),
                     qPrintable(QString("%1 at %2,%3 %4x%5")
                                    .arg(entry.name)
                                    .arg(actual.x())
                                    .arg(actual.y())
                                    .arg(actual.width())
                                    .arg(actual.height())));
            if (control->isVisible())
                QVERIFY2(w.rect().contains(actual), qPrintable(entry.name));
        }
        const QPointF start = w.designPoint(centreOnWindow(w, "cmdStart"));
        QVERIFY(std::fabs(start.x() - 584.5) <= 2 && std::fabs(start.y() - 20.5) <= 2);
    }

    // The window cannot be made smaller than where its texts stay readable, or on a screen
    // without room for that, than the largest size that fits there, and never than half
    // the design; no control is ever cut off.
    void neverSmallerThanItsTextsAllow() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const qreal fits = DesignPlacement::fitting(w.screen()->availableSize()).zoom;
        const qreal smallest = std::max<qreal>(minimumZoom, std::min<qreal>(readableZoom, fits));
        w.resize(200, 100);
        QCOMPARE(w.size(), DesignPlacement::clientAt(smallest));
        QVERIFY(std::fabs(w.zoom() - smallest) < 1e-9);
        QVERIFY(w.rect().contains(w.findChild<QWidget*>("cmdKonec")->geometry()));
    }

    // Back at the design size after a zoom, the window is exactly what it was. (On a
    // screen of fractional scale the picture is always shown reduced from a finer layer,
    // which a zoom beyond the screen's own makes finer still.)
    void backAtTheDesignSizeNothingHasChanged() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const qreal ratio = w.devicePixelRatioF();
        if (ratio != std::round(ratio))
            QSKIP("the screen's scale is fractional");
        QCOMPARE(w.size(), design);
        const QImage before = w.grab().toImage();
        w.resize(large);
        RAVO_TRY_COMPARE(w.size(), large);
        w.resize(design);
        RAVO_TRY_COMPARE(w.size(), design);
        RAVO_COMPARE_IMAGES(w.grab().toImage(), before);
    }

    // At zoom 1.8 a click on "Start" where it is shown starts a run; the blue peak stands at
    // its design place times the zoom, and the 101 incoming rays, crossed at x = 20, are
    // equally thick although 1.8 (or 2.7) screen pixels fall on each design pixel.
    void runAtAFractionalZoom() {
        TestWindow w;
        answerWith(w, {true});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(large);
        RAVO_TRY_COMPARE(w.size(), large);
        clickAt(w, centreOnWindow(w, "cmdStart"));
        RAVO_TRY_VERIFY(!w.running());
        QVERIFY(w.lastOutcome().completed);
        QCOMPARE(w.settings().text(Setting::nStart), std::string("0"));
        QVERIFY(w.findChild<QWidget*>(u("nClonaOtvor"))->isVisible());

        const QImage image = pictureOf(w);
        const qreal scale = pixelsPerDesignPixel(w, image);
        const auto peak = peakOf(image, isBlue, scale);
        QVERIFY(peak);
        const QPointF expected = QPointF(514, 56.3) * scale;
        QVERIFY2(std::hypot(peak->x() - expected.x(), peak->y() - expected.y()) <= 2,
                 qPrintable(QString("peak at %1,%2").arg(peak->x()).arg(peak->y())));

        const std::vector<qreal> rays =
            lineThicknesses(image, int(20 * scale), 0, image.height() - 1);
        QCOMPARE(int(rays.size()), 101);
        const auto [thinnest, thickest] = std::minmax_element(rays.begin(), rays.end());
        QVERIFY2(*thickest <= 1.3 * *thinnest,
                 qPrintable(QString("from %1 to %2 pixels").arg(*thinnest).arg(*thickest)));
        QVERIFY(std::fabs(*thinnest - scale) < 0.5);
        // Drawn at the whole factor above the zoom and reduced: a ray's edges blend over at
        // most two pixels across it.
        QVERIFY(blendedAcross(image, int(20 * scale), 0, image.height() - 1) <= 2);
    }

    // From three screen pixels per design pixel on, the picture has the screen's own
    // resolution. A run drawn there, resized to another such size, is drawn again from its
    // record once the resizing rests: then its picture is the one a run draws at that size.
    void largeWindowsDrawAtTheScreensResolution() {
        TestWindow w, there;
        for (TestWindow* window : {&w, &there}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        const qreal ratio = w.devicePixelRatioF();
        w.resize(DesignPlacement::clientAt(3.3 / ratio));
        RAVO_TRY_COMPARE(w.canvas().factor(), w.zoom() * ratio);
        QVERIFY(runToEnd(w));
        const int redraws = w.canvas().redrawCount();

        const QSize second = DesignPlacement::clientAt(3.62 / ratio);
        w.resize(second);
        there.resize(second);
        RAVO_TRY_COMPARE(w.canvas().factor(), w.zoom() * ratio);
        QVERIFY(w.canvas().redrawCount() > redraws);
        RAVO_TRY_COMPARE(there.canvas().factor(), w.canvas().factor());
        QVERIFY(runToEnd(there));
        w.surface().endPainting();
        there.surface().endPainting();
        QCOMPARE(w.canvas().image().size(), QSize(int(std::ceil(800 * w.canvas().factor())),
                                                  int(std::ceil(581 * w.canvas().factor()))));
        RAVO_COMPARE_IMAGES(w.canvas().image(), there.canvas().image());
        // Shown 1:1: the blue peak in pure blue at its place.
        const QImage image = pictureOf(w);
        const qreal scale = pixelsPerDesignPixel(w, image);
        const auto peak = peakOf(image, isBlue, scale);
        QVERIFY(peak && std::hypot(peak->x() - 514 * scale, peak->y() - 56.3 * scale) <= 2);
        QCOMPARE(image.pixel(int(peak->x()), int(peak->y())), qRgb(0, 0, 255));
        // Every incoming ray, crossed at x = 20, is the same whole number of black pixels.
        const std::vector<qreal> rays =
            lineThicknesses(image, int(20 * scale), 0, image.height() - 1);
        QCOMPARE(int(rays.size()), 101);
        for (const qreal thickness : rays)
            QCOMPARE(thickness, std::round(scale));
    }

    // A run resized as it goes is drawn again at each resolution up to where it stands and
    // goes on: back at the design size, its picture is an undisturbed run's. A redraw while
    // it is held changes nothing, nor one after it has been stopped.
    void resizedHeldAndStoppedRuns() {
        TestWindow w, undisturbed;
        for (TestWindow* window : {&w, &undisturbed}) {
            window->findChild<QScrollBar*>("HScroll1")->setValue(50); // 5 ms per point
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        QVERIFY(runToEnd(undisturbed));
        w.standAfter(10);
        w.cmdStart_Click();
        RAVO_TRY_VERIFY(w.standsAfter(10));
        const int redraws = w.canvas().redrawCount();
        w.resize(large);
        RAVO_TRY_VERIFY(w.canvas().redrawCount() > redraws); // drawn again up to point 10
        w.standAfter(30);
        RAVO_TRY_VERIFY(w.standsAfter(30));
        w.resize(design);
        RAVO_TRY_VERIFY(w.canvas().redrawCount() >= redraws + 2); // and up to point 30
        w.goOn();
        RAVO_TRY_VERIFY(!w.running());
        w.surface().endPainting();
        undisturbed.surface().endPainting();
        RAVO_COMPARE_IMAGES(w.canvas().image(), undisturbed.canvas().image());

        answerWith(w, {false});
        w.standAfter(10);
        w.cmdStart_Click();
        RAVO_TRY_VERIFY(w.standsAfter(10));
        w.session().command(Command::ToggleHold);
        RAVO_TRY_COMPARE(w.accessibleDescription().left(8), QString("Held at "));
        const QImage heldPicture = shown(w);
        w.canvas().renew(true);
        RAVO_COMPARE_IMAGES(shown(w), heldPicture);
        QTest::keyClick(&w, Qt::Key_Escape);
        RAVO_TRY_VERIFY(!w.running());
        const QImage stopped = shown(w);
        w.canvas().renew(true);
        RAVO_COMPARE_IMAGES(shown(w), stopped);
    }

    // In a window taller than the design, the picture ends where the design ends: after a
    // run, the grey bands above and below it hold nothing.
    void nothingDrawnBeyondTheDesign() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(800, 781);
        RAVO_TRY_COMPARE(w.size(), QSize(800, 781));
        QCOMPARE(w.zoom(), 1.0);
        QVERIFY(runToEnd(w));
        QVERIFY(w.lastOutcome().completed);
        const QImage image = shown(w);
        const qreal r = image.devicePixelRatio();
        int painted = 0;
        for (int y = 0; y < image.height(); ++y) {
            if (y >= 100 * r && y < 681 * r)
                continue;
            for (int x = 0; x < image.width(); ++x)
                painted += image.pixel(x, y) != grey;
        }
        QCOMPARE(painted, 0);
        // The design itself is drawn, 100 pixels down: the blue peak and "Start".
        const auto peak = peakOf(pictureOf(w), isBlue, r);
        QVERIFY(peak && std::fabs(peak->x() - 514 * r) <= 2 &&
                std::fabs(peak->y() - 156.3 * r) <= 2);
        QCOMPARE(w.childAt(QPoint(584, 120)), w.findChild<QWidget*>("cmdStart"));
    }

    // Two kept runs, then a larger and a smaller window: both curves are there each time,
    // the blue peak at its place.
    void marksSurviveResizing() {
        TestWindow w;
        answerWith(w, {false});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(runToEnd(w));
        w.findChild<QAbstractButton*>(u("opČervený"))->click();
        QVERIFY(runToEnd(w));
        QVERIFY(w.lastOutcome().completed);
        for (const QSize size : {large, QSize(656, 477), design}) {
            w.resize(size);
            RAVO_TRY_COMPARE(w.size(), size);
            const QImage image = pictureOf(w);
            const qreal zoom = pixelsPerDesignPixel(w, image);
            const auto blue = peakOf(image, isBlue, zoom);
            const auto red = peakOf(image, isRed, zoom);
            QVERIFY2(blue && red, qPrintable(QString("at %1 x %2: blue %3, red %4")
                                                 .arg(size.width())
                                                 .arg(size.height())
                                                 .arg(bool(blue))
                                                 .arg(bool(red))));
            QVERIFY2(std::hypot(blue->x() - 514 * zoom, blue->y() - 56.3 * zoom) <= 2,
                     qPrintable(QString("blue peak at %1,%2").arg(blue->x()).arg(blue->y())));
            // Red light comes to its focus farther from the lens.
            QVERIFY2(red->x() > blue->x() && red->y() < 230.5 * zoom,
                     qPrintable(QString("red peak at %1,%2").arg(red->x()).arg(red->y())));
        }
    }

    // The keyboard keeps its order at any zoom, and F11 toggles full screen.
    void keysAtAZoom() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(large);
        RAVO_TRY_COMPARE(w.size(), large);
        w.activateWindow();
        RAVO_TRY_VERIFY(w.isActiveWindow());
        w.findChild<QWidget*>("cmdStart")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(),
                 w.findChild<QWidget*>(u("frmPoloměrLupy"))->findChild<QWidget*>(u("opVelký")));
        QTest::keyClick(&w, Qt::Key_F11);
        RAVO_TRY_VERIFY(w.isFullScreen());
        QTest::keyClick(&w, Qt::Key_F11);
        RAVO_TRY_VERIFY(!w.isFullScreen());
    }
};

QTEST_MAIN(ZoomTest)
#include "tst_zoom.moc"
