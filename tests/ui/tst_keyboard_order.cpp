// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowControls.h"
// The Tab key walks the shown, enabled controls that take the focus, in the order of
// their tab indices; labels, frames, hidden controls and the disabled dispersion display
// are passed over. The focus starts on "Start".

#include "Layout.h"
#include "frmRavo.h"

#include <QApplication>
#include <QtTest>

using namespace ravo;
using ravo::test::TestWindow;
using ravo::test::u;

namespace {

// The controls that take the focus at start, in the order of their tab indices: shown,
// enabled, and neither a label nor a frame.
QStringList forwardOrder() {
    QList<test::LayoutControl> stops;
    for (const test::LayoutControl& c : test::layout().controls)
        if (c.shown == "start" && c.enabled && c.kind != "label" && c.kind != "frame")
            stops << c;
    std::sort(stops.begin(), stops.end(),
              [](const auto& a, const auto& b) { return a.tab < b.tab; });
    QStringList names;
    for (const test::LayoutControl& c : stops)
        names << c.name;
    return names;
}

const QStringList forward = forwardOrder();

QString focused() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : u("(none)");
}

// The names the focus visits, starting where it is, for `steps` presses of a key.
QStringList walk(Qt::Key key, int steps) {
    QStringList visited{focused()};
    for (int i = 0; i < steps; ++i) {
        QWidget* from = QApplication::focusWidget();
        if (!from)
            break;
        QTest::keyClick(from, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        visited << focused();
    }
    return visited;
}

QStringList reversed(QStringList list) {
    std::reverse(list.begin(), list.end());
    return list;
}

} // namespace

class KeyboardOrderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        prepareApplication();
        // Tab indices 1, 3, 4, 5, 8, 9, 10, 13, 14, 18, 21, 22, 23, 25, 27, 28, 31, 34, 35,
        // 36 and 43.
        QCOMPARE(forward.size(), 21);
    }

    void tab_order_data() {
        QTest::addColumn<bool>("afterRun");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("expected");
        // One round and back to the start; the picture is the last stop, after the controls.
        const QStringList stops = forward + QStringList{u("canvas")};
        const QStringList round = stops + QStringList{u("cmdStart")};
        const QStringList back = QStringList{u("cmdStart")} + reversed(stops);
        QTest::newRow("Tab at start") << false << int(Qt::Key_Tab) << round;
        QTest::newRow("Shift+Tab at start") << false << int(Qt::Key_Backtab) << back;
        // The caption boxes shown by a run do not take the focus.
        QTest::newRow("Tab after a run") << true << int(Qt::Key_Tab) << round;
        QTest::newRow("Shift+Tab after a run") << true << int(Qt::Key_Backtab) << back;
    }

    void tab_order() {
        QFETCH(bool, afterRun);
        QFETCH(int, key);
        QFETCH(QStringList, expected);
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(focused(), u("cmdStart"));
        if (afterRun) {
            w.setAnswerProvider([](std::string_view) { return false; });
            QTest::mouseClick(w.findChild<QWidget*>("cmdStart"), Qt::LeftButton);
            RAVO_TRY_VERIFY(!w.running());
            QVERIFY(w.findChild<QWidget*>(u("nSoučetRadiusvektorů"))->isVisible());
            QCOMPARE(focused(), u("cmdStart"));
        }
        QCOMPARE(walk(Qt::Key(key), int(expected.size()) - 1), expected);
    }

    // A click elsewhere moves the focus; Tab goes on from there.
    void tab_from_a_clicked_control() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::mouseClick(w.findChild<QWidget*>(u("opPruhy")), Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(walk(Qt::Key_Tab, 2),
                 (QStringList{u("opPruhy"), u("chDisperze"), u("opClonaŠiroká")}));
    }
};

QTEST_MAIN(KeyboardOrderTest)
#include "tst_keyboard_order.moc"
