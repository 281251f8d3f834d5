// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowControls.h"
// The three caption boxes: hidden until the end of the first run, then shown at their
// places in front of the drawing, in the window's grey, and kept through later runs.

#include "Layout.h"
#include "frmRavo.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ravo;
using ravo::test::TestWindow;
using ravo::test::u;

namespace {

// The boxes that the end of the first run shows.
QStringList captionBoxes() {
    QStringList names;
    for (const test::LayoutControl& c : test::layout().controls)
        if (c.shown == "after a run")
            names << c.name;
    return names;
}

const QStringList boxes = captionBoxes();

const test::LayoutControl& expected(const QString& name) {
    return test::layout().control(name);
}

} // namespace

class CaptionBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        prepareApplication();
        QCOMPARE(boxes.size(), 3);
    }

    void caption_box_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("geometry");
        for (const QString& name : boxes)
            QTest::newRow(name.toUtf8()) << name << expected(name).text << expected(name).at;
    }

    void caption_box() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, geometry);
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* box = w.findChild<QLineEdit*>(name);
        QVERIFY(box);
        QCOMPARE(box->text(), text);
        QCOMPARE(box->geometry(), geometry);
        QVERIFY(!box->isVisible());
        const QPoint centre = geometry.center();
        QCOMPARE(w.childAt(centre)->objectName(), u("canvas"));

        QStringList asked;
        w.setAnswerProvider([&](std::string_view prompt) {
            asked << QString::fromUtf8(prompt.data(), qsizetype(prompt.size()));
            return false;
        });
        w.settings().setText(Setting::nSpomaleni, "1");
        QTest::mouseClick(w.findChild<QPushButton*>("cmdStart"), Qt::LeftButton);
        RAVO_TRY_VERIFY(!w.running());
        QVERIFY(asked.isEmpty());
        QCOMPARE(w.settings().text(Setting::nStart), std::string("0"));
        QVERIFY(box->isVisible());
        QCOMPARE(box->geometry(), geometry);
        QCOMPARE(box->text(), text);
        QCOMPARE(w.childAt(centre), box);
        // Grey over whatever the run drew, with dark text on it.
        const QImage shot = w.grab(geometry).toImage();
        int grey = 0, dark = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb p = shot.pixel(x, y);
                grey += (p & 0xFFFFFF) == 0xC0C0C0;
                dark += qGray(p) < 96;
            }
        const int all = shot.width() * shot.height();
        QVERIFY2(grey > all / 2, qPrintable(QString("%1 of %2 grey").arg(grey).arg(all)));
        QVERIFY(dark > 20);
        // Nothing a later run draws covers it, and it stays.
        QTest::mouseClick(w.findChild<QPushButton*>("cmdStart"), Qt::LeftButton);
        RAVO_TRY_VERIFY(!w.running());
        QCOMPARE(asked, QStringList{u("Delete probability")});
        QVERIFY(box->isVisible());
        QCOMPARE(w.childAt(centre), box);
    }

    // While the first run draws, the picture is painted many times; the boxes are hidden at
    // every one of those paints and shown once the run has ended.
    void hidden_while_the_first_run_draws() {
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.setAnswerProvider([](std::string_view) { return false; });

        struct Probe : QObject {
            frmRavo* window = nullptr;
            int paints = 0;
            QStringList seen;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint && window->running()) {
                    ++paints;
                    for (const QString& name : boxes)
                        if (window->findChild<QWidget*>(name)->isVisible() && !seen.contains(name))
                            seen << name;
                }
                return false;
            }
        } probe;
        probe.window = &w;
        w.canvas().installEventFilter(&probe);
        w.cmdStart_Click();
        RAVO_TRY_VERIFY(!w.running());
        w.canvas().removeEventFilter(&probe);
        QVERIFY(probe.paints > 0);
        QCOMPARE(probe.seen, QStringList());
        for (const QString& name : boxes)
            QVERIFY(w.findChild<QWidget*>(name)->isVisible());
    }
};

QTEST_MAIN(CaptionBoxesTest)
#include "tst_caption_boxes.moc"
