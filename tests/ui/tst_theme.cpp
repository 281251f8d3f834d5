// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageCompare.h"
#include "TestWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using namespace ravo;

namespace {

// The colours a dark desktop theme hands to the application and to each kind of control.
QPalette darkPalette() {
    QPalette dark(QColor(230, 230, 230), QColor(53, 53, 53), QColor(90, 90, 90), QColor(25, 25, 25),
                  QColor(40, 40, 40), QColor(240, 240, 240), QColor(255, 255, 255),
                  QColor(30, 30, 30), QColor(53, 53, 53));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    return dark;
}

struct Look {
    bool active = false; // the window became active, and its run ended
    QImage idle;
    QImage afterRun;
};

// The window as it stands after start-up, and after a run with the default settings.
Look lookOfTheWindow() {
    test::TestWindow w;
    w.show();
    w.activateWindow();
    Look look;
    look.active = QTest::qWaitForWindowActive(&w);
    look.idle = w.grab().toImage();
    w.cmdStart_Click();
    look.active = test::waitUntil([&] { return !w.running(); }) && look.active;
    w.surface().settle();
    look.afterRun = w.grab().toImage();
    return look;
}

} // namespace

// The window has the design's colours and its left-to-right layout whatever the desktop
// asks for: built under a dark theme and a right-to-left language it is, pixel for pixel,
// the window built under the plain defaults.
class ThemeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void desktopChangesNothing_data() {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("dark theme") << true << false;
        QTest::newRow("right-to-left language") << false << true;
        QTest::newRow("both") << true << true;
    }

    void desktopChangesNothing() {
        QFETCH(bool, dark);
        QFETCH(bool, rightToLeft);
        const Look plain = lookOfTheWindow();
        QVERIFY(plain.active);

        const QPalette original = QApplication::palette();
        if (dark) {
            QApplication::setPalette(darkPalette());
            for (const char* kind : {"QLineEdit", "QRadioButton", "QCheckBox", "QPushButton",
                                     "QGroupBox", "QLabel", "QScrollBar"})
                QApplication::setPalette(darkPalette(), kind);
        }
        if (rightToLeft)
            QApplication::setLayoutDirection(Qt::RightToLeft);

        // What the desktop asks for does reach an ordinary control.
        QLineEdit ordinary;
        QCOMPARE(ordinary.palette().color(QPalette::Base) == QColor(30, 30, 30), dark);
        QCOMPARE(ordinary.layoutDirection() == Qt::RightToLeft, rightToLeft);

        const Look themed = lookOfTheWindow();
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QApplication::setPalette(original);
        QVERIFY(themed.active);

        RAVO_COMPARE_IMAGES(themed.idle, plain.idle);
        RAVO_COMPARE_IMAGES(themed.afterRun, plain.afterRun);
        QVERIFY(test::imageDifference(plain.afterRun, plain.idle));
    }
};

QTEST_MAIN(ThemeTest)
#include "tst_theme.moc"
