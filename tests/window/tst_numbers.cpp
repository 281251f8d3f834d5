// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers behind the picture: the marks copied as a table, and the window that looks
// inside one detector point, checked against the sum over paths worked out independently.
#include "IndependentModel.h"
#include "PointView.h"
#include "WindowRuns.h"

#include <QClipboard>
#include <QMimeData>
#include <QRadioButton>
#include <QtTest>

using namespace ravo;
using namespace ravo::test;

namespace {

QList<QStringList> clipboardRows() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat("text/tab-separated-values"))
        return {};
    QList<QStringList> rows;
    for (const QString& line : data->text().split('\n', Qt::SkipEmptyParts))
        rows << line.split('\t');
    return rows;
}

double number(const QString& text) {
    return QLocale(QLocale::English).toDouble(text);
}

// The window's point on the mark of detector point i of a run in the colour drawn.
QPointF markOf(const ModelPoint& point, double markFactor) {
    return QPointF(point.x, 230.5 - markFactor * point.p);
}

} // namespace

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // Ctrl+Shift+C copies one row per mark shown, in the order drawn; the numbers are the
    // model's. A kept run adds its rows, an erase takes them away.
    void copiedTable() {
        TestWindow w;
        QVERIFY(showActive(w));
        answerWith(w, {false, true});
        key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(clipboardRows().size(), 1); // the column names alone
        QCOMPARE(clipboardRows()[0].size(), 12);
        QVERIFY(w.lastNotice().contains("only the column names"));

        QVERIFY(runToEnd(w));
        key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QList<QStringList> rows = clipboardRows();
        QCOMPARE(rows.size(), 1 + 85);
        for (int i = 1; i <= 85; ++i) {
            const QStringList& row = rows[i];
            const ModelPoint model = modelPoint(i, 500, 0.98 * 2.1, 1, 0, 80);
            QCOMPARE(row[0], QString("1"));
            QCOMPARE(row[1], QString("blue"));
            QCOMPARE(row[8].toInt(), i);
            QCOMPARE(number(row[9]), model.x);
            QVERIFY2(std::fabs(number(row[10]) - model.p) < 0.002, qPrintable(row.join(' ')));
            QVERIFY(std::fabs(number(row[11]) - 1.3 * model.p) < 0.003);
        }

        control<QRadioButton>(w, "opČervený")->click();
        QVERIFY(runToEnd(w)); // answered "No": both curves
        key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        rows = clipboardRows();
        QCOMPARE(rows.size(), 1 + 170);
        QCOMPARE(rows[86][1], QString("red"));
        QCOMPARE(number(rows[86][2]), 0.5);

        control<QRadioButton>(w, "OpZelená")->click();
        QVERIFY(runToEnd(w)); // answered "Yes": the green curve alone
        key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        rows = clipboardRows();
        QCOMPARE(rows.size(), 1 + 85);
        QCOMPARE(rows[1][0], QString("3"));
        QCOMPARE(rows[1][1], QString("green"));
        const ModelPoint green = modelPoint(60, 500, 0.98 * 1.98, 0.75, 0, 80);
        QVERIFY(std::fabs(number(rows[60][10]) - green.p) < 0.002);
    }

    // A click on the green peak opens the point's window: its paths are the model's; Right
    // moves to the next point; closed, it leaves the main picture as it was. A click where
    // no mark is opens nothing; an erase of its run closes it.
    void inspectingAPoint() {
        TestWindow w;
        QVERIFY(showActive(w));
        answerWith(w, {true});
        control<QRadioButton>(w, "OpZelená")->click();
        QVERIFY(runToEnd(w));
        w.surface().endPainting();
        const QImage before = w.canvas().image().copy();

        QTest::mouseClick(&w.canvas(), Qt::LeftButton, {}, QPoint(700, 500));
        QVERIFY(!w.inspector());
        const ModelPoint peak = modelPoint(60, 500, 0.98 * 1.98, 0.75, 0, 80);
        QTest::mouseClick(&w.canvas(), Qt::LeftButton, {}, markOf(peak, 1.08).toPoint());
        QVERIFY(w.inspector());
        PointView& inspector = *w.inspector();
        QVERIFY(QTest::qWaitForWindowExposed(&inspector));
        QCOMPARE(inspector.point(), 60);
        QVERIFY(inspector.windowTitle().contains("60"));

        inspector.copyPaths();
        const QList<QStringList> paths = clipboardRows();
        QCOMPARE(paths.size(), 1 + 81);
        for (int j = 0; j < 81; ++j) {
            QCOMPARE(number(paths[j + 1][1]), peak.paths[std::size_t(j)].y);
            QVERIFY(std::fabs(number(paths[j + 1][4]) - peak.paths[std::size_t(j)].time) < 0.001);
        }
        QTest::keyClick(&inspector, Qt::Key_Right);
        QCOMPARE(inspector.point(), 61);
        QTest::keyClick(&inspector, Qt::Key_PageUp);
        QTest::keyClick(&inspector, Qt::Key_Left);
        QCOMPARE(inspector.point(), 59);
        QTest::keyClick(&inspector, Qt::Key_Escape);
        QVERIFY(!inspector.isVisible());
        w.surface().endPainting();
        RAVO_COMPARE_IMAGES(w.canvas().image(), before);

        // Open again; then a run answered "Yes" erases the point's mark: the window closes.
        QVERIFY(w.inspectAt(markOf(peak, 1.08)));
        QVERIFY(w.inspector()->isVisible());
        QVERIFY(runToEnd(w));
        QVERIFY(!w.inspector()->isVisible());
    }
};

QTEST_MAIN(NumbersTest)
#include "tst_numbers.moc"
