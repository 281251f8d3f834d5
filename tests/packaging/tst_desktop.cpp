// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a desktop citizen: its icon, in the window too, and its clean end on
// SIGTERM, SIGINT and SIGHUP.

#include "CloseOnSignal.h"
#include "ProgramIcon.h"
#include "Settings.h"
#include "ImageCompare.h"
#include "TestWindow.h"

#include <QApplication>
#include <QtTest>

#include <csignal>

using namespace ravo;
using ravo::test::TestWindow;

namespace {

bool near(QRgb pixel, QColor wanted, int tolerance = 12) {
    const QColor got = QColor::fromRgba(pixel);
    return qAlpha(pixel) == 255 && std::abs(got.red() - wanted.red()) <= tolerance &&
           std::abs(got.green() - wanted.green()) <= tolerance &&
           std::abs(got.blue() - wanted.blue()) <= tolerance;
}

QString describe(QRgb pixel) {
    return QString("rgba(%1, %2, %3, %4)")
        .arg(qRed(pixel))
        .arg(qGreen(pixel))
        .arg(qBlue(pixel))
        .arg(qAlpha(pixel));
}

// The handler in force; QtTest keeps handlers of its own for both signals.
void (*handlerOf(int signal))(int) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        prepareApplication();
        // The windows closed here are the test's; the test program goes on after them.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void iconShowsTheLens() {
        const QIcon icon = programIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(256, 256)));

        // At 128 pixels one unit of the drawing is one pixel.
        const QImage image = icon.pixmap(QSize(128, 128)).toImage();
        QCOMPARE(image.size(), QSize(128, 128));
        const QRgb corner = image.pixel(0, 0);
        QVERIFY2(qAlpha(corner) == 0, qPrintable(describe(corner)));
        const QRgb glass = image.pixel(52, 50);
        QVERIFY2(near(glass, QColor(0xc0, 0xff, 0xc0)), qPrintable(describe(glass)));
        const QRgb focus = image.pixel(112, 64);
        QVERIFY2(near(focus, QColor(0, 0, 255)), qPrintable(describe(focus)));
        const QRgb ray = image.pixel(18, 64);
        QVERIFY2(near(ray, QColor(0, 0, 0), 40), qPrintable(describe(ray)));
        const QRgb background = image.pixel(18, 20);
        QVERIFY2(near(background, QColor(0xc0, 0xc0, 0xc0)), qPrintable(describe(background)));
    }

    void windowCarriesTheIcon() {
        TestWindow window;
        QVERIFY(!window.windowIcon().isNull());
        RAVO_COMPARE_IMAGES(window.windowIcon().pixmap(QSize(48, 48)).toImage(),
                            programIcon().pixmap(QSize(48, 48)).toImage());
    }

    void signalClosesTheWindow_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void signalClosesTheWindow() {
        QFETCH(int, signal);
        const auto before = handlerOf(signal);
        {
            TestWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            CloseOnSignal closeOnSignal(window);
            QVERIFY(handlerOf(signal) != before);
            std::raise(signal); // QtTest's own handler would fail the test
            RAVO_TRY_VERIFY(!window.isVisible());
        }
        QVERIFY(handlerOf(signal) == before);
    }

    void signalStopsARun() {
        TestWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CloseOnSignal closeOnSignal(window);
        // The slowest run, standing in the pause before its first detector point.
        window.settings().setText(Setting::nSpomaleni, "10000");
        window.standAfter(0);
        window.cmdStart_Click();
        RAVO_TRY_VERIFY(window.standsAfter(0));
        std::raise(SIGTERM);
        // Heard from the event loop: the run stops where it stands, in its first pause.
        RAVO_TRY_VERIFY(!window.isVisible());
        QVERIFY(!window.running());
        QVERIFY(!window.lastOutcome().completed);
        QCOMPARE(window.runControl().point(), 0);
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
