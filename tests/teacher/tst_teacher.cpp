// SPDX-License-Identifier: GPL-3.0-or-later
// What a physics teacher's trial of the window found, tried again: frames on a big window,
// English plural forms, what a screen reader is offered, Ctrl+Q during a slow run, one way
// of writing numbers in a language, a frequency text that the glass gives no time, where
// the window's own windows open, and the controls' outlines in projector colours.
#include "Languages.h"
#include "PointView.h"
#include "KeysHelp.h"
#include "frmRavo.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include "FastClock.h"

#include <QtTest>

using namespace ravo;

namespace {

template <typename T = QWidget> T* control(frmRavo& w, const char* name) {
    T* found = w.findChild<T*>(QString::fromUtf8(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

bool runToEnd(frmRavo& w) {
    w.setAnswerProvider([](std::string_view) { return false; });
    w.setMessageSink([](std::string_view) {});
    w.cmdStart_Click();
    return QTest::qWaitFor([&] { return !w.running(); }, 60'000);
}

bool shown(frmRavo& w) {
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

// How many rows of a column of an image are darker than the ground around them.
int darkRows(const QImage& image, int x, int top, int bottom) {
    int dark = 0;
    for (int y = top; y <= bottom; ++y)
        dark += qGray(image.pixel(x, y)) < 170;
    return dark;
}

// The blue peak of the default run: point 52, P = 134.0, its dot at y 56.3.
const QPointF bluePeak(514, 56.3);

} // namespace

class TeacherTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // A frame's etched outline stays at every zoom: its left edge is a line from its title
    // down to its bottom.
    void framesKeepTheirOutlines_data() {
        QTest::addColumn<QSize>("client");
        QTest::newRow("1600 x 1162") << QSize(1600, 1162);
        QTest::newRow("2000 x 1453") << QSize(2000, 1453);
        QTest::newRow("2400 x 1743") << QSize(2400, 1743);
    }
    void framesKeepTheirOutlines() {
        QFETCH(QSize, client);
        frmRavo w;
        w.setMinimumSize(QSize());
        QVERIFY(shown(w));
        w.resize(client);
        QTRY_COMPARE(w.size(), client);
        for (const char* name : {"frmPoloměrLupy", "frmIndex", "frmClona"}) {
            QWidget* frame = control(w, name);
            const QImage image = frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const int top = image.height() * 2 / 5, bottom = image.height() * 9 / 10;
            int best = 0;
            for (int x = 0; x < 6; ++x)
                best = std::max(best, darkRows(image, x, top, bottom));
            QVERIFY2(best > (bottom - top) * 9 / 10, qPrintable(QString("%1: %2 of %3 rows")
                                                                    .arg(QString::fromUtf8(name))
                                                                    .arg(best)
                                                                    .arg(bottom - top + 1)));
        }
    }

    // English has its plural forms: "85 marks", "1 mark", "81 paths".
    void englishPlurals() {
        Languages languages;
        languages.use("en");
        test::FastClock clock;
        frmRavo w(nullptr, &languages, clock);
        QVERIFY(shown(w));
        QVERIFY(runToEnd(w));
        w.copyData();
        QCOMPARE(w.lastNotice(), QString("Copied 85 marks as a table."));
        QCOMPARE(QCoreApplication::translate("frmRavo", "Copied %n mark(s) as a table.", nullptr, 1),
                 QString("Copied 1 mark as a table."));
        QVERIFY(w.inspectAt(bluePeak));
        QVERIFY(w.inspector()->accessibleDescription().contains("81 paths; the resultant"));
    }

    // What is not shown is not offered: no hidden control takes the focus or is visible to a
    // screen reader; the list of keys reads as plain text; once a run has painted over the
    // prompt, the prompt is not read any more.
    void aScreenReaderHearsWhatIsShown() {
        test::FastClock clock;
        frmRavo w(nullptr, nullptr, clock);
        QVERIFY(shown(w));
        int hidden = 0;
        for (QWidget* child : w.findChildren<QWidget*>()) {
            if (child->isVisibleTo(&w) || child->objectName().isEmpty() ||
                child->objectName().startsWith("qt_"))
                continue;
            ++hidden;
            QVERIFY2(child->focusPolicy() == Qt::NoFocus, qPrintable(child->objectName()));
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(child);
            QVERIFY(a);
            QVERIFY2(a->state().invisible && !a->state().focusable, qPrintable(child->objectName()));
        }
        QVERIFY(hidden >= 14); // seven setting fields, the pace's group, three captions...
        w.showKeysHelp();
        const QString keys = w.keysHelp()->accessibleDescription();
        QVERIFY(keys.contains("Space: holds a run"));
        QVERIFY(!keys.contains('<') && !keys.contains("&lt;"));
        QAccessibleInterface* prompt = QAccessible::queryAccessibleInterface(control(w, "labKlepnete"));
        QVERIFY(!prompt->state().invisible);
        QVERIFY(runToEnd(w));
        QVERIFY(prompt->state().invisible);
    }

    // Ctrl+Q during a slow run ends the run and closes the window at once.
    void ctrlQDuringASlowRun() {
        test::FastClock clock;
        frmRavo w(nullptr, nullptr, clock);
        QVERIFY(shown(w));
        w.setPace(10000);
        w.cmdStart_Click();
        QTRY_VERIFY(w.runControl().point() >= 1);
        QVERIFY(w.running());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.isVisible());
        QVERIFY(!w.running());
        QCOMPARE(w.runControl().state(), RunState::Stopped);
    }

    // In Czech every number the window computes has the decimal comma, in the readout and
    // in the point's window alike; the typed setting texts keep their point.
    void oneWayOfWritingNumbers() {
        Languages languages;
        languages.use("cs");
        test::FastClock clock;
        frmRavo w(nullptr, &languages, clock);
        QVERIFY(shown(w));
        QVERIFY(runToEnd(w));
        const QString readout = w.readout().textAt(bluePeak.x(), bluePeak.y());
        QVERIFY2(readout.contains("P = 134,0") && readout.contains("0,98"), qPrintable(readout));
        QVERIFY(!readout.contains("134.0") && !readout.contains("0.98"));
        QVERIFY(w.inspectAt(bluePeak));
        const QString numbers = w.inspector()->accessibleDescription();
        QVERIFY2(numbers.contains("P = 133,9") && !numbers.contains("133.9"), qPrintable(numbers));
        // The frequency box holds the setting's text, with its point.
        w.inspector()->close();
        control<QRadioButton>(w, "opČervený")->click();
        QCOMPARE(control<QLineEdit>(w, "nKmitočet")->text(), QString("0.5"));
    }

    // "1.0" draws blue marks but the glass adds no time: the status after the run, the
    // readout and the frequency box's tooltip say so.
    void aFrequencyTextWithoutGlassTime() {
        test::FastClock clock;
        frmRavo w(nullptr, nullptr, clock);
        QVERIFY(shown(w));
        auto* frequency = control<QLineEdit>(w, "nKmitočet");
        QVERIFY(!frequency->toolTip().contains("(such as 1.0)"));
        QVERIFY(frequency->toolTip().contains("the lens does not focus"));
        frequency->selectAll();
        QTest::keyClicks(frequency, "1.0");
        QCOMPARE(w.settings().text(Setting::nKmitočet), std::string("1.0"));
        QVERIFY(runToEnd(w));
        QVERIFY2(w.runStatus().contains("The glass added no time: the frequency text \"1.0\""),
                 qPrintable(w.runStatus()));
        QCOMPARE(w.accessibleDescription(), w.runStatus());
        const PointRecord& last = w.history().runs().back().points.back();
        const QString readout = w.readout().textAt(last.result.x, last.result.markY);
        QVERIFY2(readout.contains("f = \"1.0\"") && readout.contains("no glass time, as the frequency text"),
                 qPrintable(readout));
        frequency->selectAll();
        QTest::keyClicks(frequency, "1");
        QVERIFY(runToEnd(w));
        QVERIFY(!w.runStatus().contains("glass"));
    }

    // The list of keys and the point's window open beside the main window, wholly on its
    // screen.
    void theWindowsOpenOnTheScreen() {
        test::FastClock clock;
        frmRavo w(nullptr, nullptr, clock);
        QVERIFY(shown(w));
        const QRect room = w.screen()->availableGeometry();
        QVERIFY(runToEnd(w));
        w.showKeysHelp();
        QVERIFY(w.inspectAt(bluePeak));
        for (QWidget* other : {static_cast<QWidget*>(w.keysHelp()), static_cast<QWidget*>(w.inspector())}) {
            const QRect at(other->pos(), other->size());
            QVERIFY2(room.contains(at), qPrintable(QString("%1 at %2,%3 %4x%5 on %6x%7")
                                                      .arg(other->objectName())
                                                      .arg(at.x())
                                                      .arg(at.y())
                                                      .arg(at.width())
                                                      .arg(at.height())
                                                      .arg(room.width())
                                                      .arg(room.height())));
            QVERIFY(at.topLeft() != room.topLeft() || w.frameGeometry().topLeft() == room.topLeft());
        }
    }

    // A window cannot be made so small that its texts cannot be read: on a screen with room
    // for it, not below 0.8 of the design, where no text has fewer than 8 pixels.
    void aReadableSmallestWindow() {
        frmRavo w;
        QVERIFY(shown(w));
        w.resize(500, 400);
        QTRY_VERIFY(w.zoom() >= 0.8 - 1e-9);
        QVERIFY(w.width() >= 640 && w.height() >= 464);
        int smallest = 99;
        for (QWidget* child : w.findChildren<QWidget*>())
            if (child->isVisible() && !child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
                smallest = std::min(smallest, QFontInfo(child->font()).pixelSize());
        QVERIFY2(smallest >= 8, qPrintable(QString::number(smallest)));
    }

    // In projector colours the push buttons keep their top and left edges, and the scroll
    // bar's thumb stands out from its groove.
    void projectorColoursKeepOutlines() {
        frmRavo w;
        QVERIFY(shown(w));
        w.setProjectorColours(true);
        const QImage start = control(w, "cmdStart")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int topEdge = 0, leftEdge = 0;
        for (int x = 2; x < start.width() - 2; ++x)
            topEdge += qGray(start.pixel(x, 0)) < 230;
        for (int y = 2; y < start.height() - 2; ++y)
            leftEdge += qGray(start.pixel(0, y)) < 230;
        QVERIFY2(topEdge > (start.width() - 4) * 9 / 10, qPrintable(QString::number(topEdge)));
        QVERIFY2(leftEdge > (start.height() - 4) * 9 / 10, qPrintable(QString::number(leftEdge)));
        // The thumb's top edge at value 1 lies just right of the left arrow button.
        auto* bar = control<QScrollBar>(w, "HScroll1");
        const QImage groove = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int edges = 0;
        for (int x = bar->height(); x < bar->height() + 6; ++x)
            edges += qGray(groove.pixel(x, 0)) < 200 || qGray(groove.pixel(x, groove.height() - 1)) < 200;
        QVERIFY2(edges >= 6, qPrintable(QString::number(edges)));
        w.setProjectorColours(false);
    }
};

QTEST_MAIN(TeacherTest)
#include "tst_teacher.moc"
