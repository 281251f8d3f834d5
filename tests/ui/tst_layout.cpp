// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowControls.h"
// Every control of the window where the design puts it, as the user sees it:
// container, kind, place and size, caption, whether it is shown and enabled at start, and
// the colour that covers its place in the window's picture.

#include "Layout.h"
#include "frmRavo.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QUrl>
#include <QtTest>

#include <map>

using namespace ravo;
using ravo::test::TestWindow;
using ravo::test::u;

namespace {

const QColor grey = test::layout().background;

// The caption of a control as the user reads it.
QString captionOf(const QWidget* w) {
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    return QString();
}

// The colour that covers most of an area of a picture.
QColor dominantColour(const QImage& image, QRectF logical) {
    const qreal ratio = image.devicePixelRatio();
    const QRect area =
        QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect() & image.rect();
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000u];
    QRgb best = 0;
    int most = -1;
    for (const auto& [colour, n] : counts)
        if (n > most) {
            best = colour;
            most = n;
        }
    return QColor(best);
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

    test::TestWindow* window_ = nullptr;
    QImage picture_;

private slots:
    void initTestCase() {
        prepareApplication();
        window_ = new test::TestWindow;
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
        picture_ = window_->grab().toImage();
    }

    void cleanupTestCase() { delete window_; }

    void control_data() {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QPoint>("onWindow");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QColor>("background");
        for (const test::LayoutControl& c : test::layout().controls) {
            const bool shown = c.shown == "start";
            QTest::newRow(c.name.toUtf8())
                << (c.container.isEmpty() ? u("frmRavo") : c.container) << u(c.qtClass()) << c.at
                << c.onWindow << c.text << shown << c.enabled << (shown ? c.background : QColor());
        }
    }

    void control() {
        QFETCH(QString, parent);
        QFETCH(QString, kind);
        QFETCH(QRect, geometry);
        QFETCH(QPoint, onWindow);
        QFETCH(QString, text);
        QFETCH(bool, shown);
        QFETCH(bool, enabled);
        QFETCH(QColor, background);

        const QString name = u(QTest::currentDataTag());
        const QList<QWidget*> found = window_->findChildren<QWidget*>(name);
        QCOMPARE(found.size(), 1);
        QWidget* w = found.front();
        QCOMPARE(w->parentWidget()->objectName(), parent);
        QVERIFY2(w->inherits(kind.toLatin1()), w->metaObject()->className());
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->mapTo(window_, QPoint(0, 0)), onWindow);
        if (!text.isNull())
            QCOMPARE(captionOf(w), text);
        QCOMPARE(w->isVisible(), shown);
        QCOMPARE(w->isEnabled(), enabled);
        if (background.isValid())
            QCOMPARE(dominantColour(picture_, QRectF(QRect(onWindow, geometry.size()))),
                     background);
    }

    // Nothing on the window that the layout does not name, besides the picture and the band
    // that says where a held run stands.
    void noOtherControls() {
        QStringList expected{"canvas", "statusBand"};
        for (const test::LayoutControl& c : test::layout().controls)
            expected << c.name;
        QStringList actual;
        for (QWidget* w : window_->findChildren<QWidget*>())
            if (!w->objectName().startsWith("qt_"))
                actual << w->objectName();
        expected.sort();
        actual.sort();
        QCOMPARE(actual, expected);
    }

    void option_groups_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("selected");
        // The button that start-up selects in each frame.
        const QMap<QString, QString> selected{
            {u("frmPoloměrLupy"), u("opVelký")},  {u("frmKmitočet"), u("opModrý")},
            {u("frmIndex"), u("opIndexStřední")}, {u("frmZobrazení"), u("opBody")},
            {u("frmClona"), u("opClonaŠiroká")},  {u("frmPůlLupy"), u("opPůlNe")},
            {u("frmAnimace"), u("opRychlá")},
        };
        const auto& controls = test::layout().controls;
        for (const test::LayoutControl& frame : controls) {
            if (frame.kind != "frame")
                continue;
            QStringList buttons;
            for (const test::LayoutControl& c : controls)
                if (c.container == frame.name && c.kind == "option button")
                    buttons << c.name;
            QTest::newRow(frame.text.toUtf8())
                << frame.name << buttons << selected.value(frame.name);
        }
    }

    // Each frame's option buttons form one group: one of them chosen, and choosing another
    // clears it, while the other groups keep their choice.
    void option_groups() {
        QFETCH(QString, frame);
        QFETCH(QStringList, buttons);
        QFETCH(QString, selected);
        TestWindow w;
        auto* box = w.findChild<QGroupBox*>(frame);
        QVERIFY(box);
        QStringList inFrame;
        for (QRadioButton* b : box->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            inFrame << b->objectName();
        QCOMPARE(inFrame, buttons);
        auto checked = [&] {
            QStringList on;
            for (const QString& name : buttons)
                if (w.findChild<QRadioButton*>(name)->isChecked())
                    on << name;
            return on;
        };
        QCOMPARE(checked(), QStringList{selected});
        const QString other = buttons.back() == selected ? buttons.front() : buttons.back();
        auto* dispersion = w.findChild<QCheckBox*>("chDisperze");
        w.findChild<QRadioButton*>(other)->setChecked(true);
        QCOMPARE(checked(), QStringList{other});
        QVERIFY(dispersion->isChecked());
    }

    void window_itself() {
        const QString title = window_->windowTitle();
        const QString prefix = test::layout().title;
        QVERIFY2(title.startsWith(prefix), qPrintable(title));
        const QUrl address(title.mid(prefix.size()), QUrl::StrictMode);
        QVERIFY2(address.isValid() && address.scheme().startsWith("http") &&
                     !address.host().isEmpty(),
                 qPrintable(title));
        // The whole picture and the "Exit" button fit at start.
        QVERIFY(window_->width() >= test::layout().size.width());
        QVERIFY(window_->height() >= test::layout().size.height());
        QVERIFY(window_->rect().contains(window_->findChild<QWidget*>("cmdKonec")->geometry()));
        QCOMPARE(dominantColour(picture_, QRectF(420, 300, 300, 200)), grey);
        QVERIFY(!(window_->windowFlags() & Qt::MSWindowsFixedSizeDialogHint));
    }

    void window_is_sizable_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("larger") << QSize(1000, 700);
        QTest::newRow("smaller") << QSize(700, 500);
    }

    // The window takes the size it is given, down to where its texts stay readable; a smaller
    // one only shows less of the picture.
    void window_is_sizable() {
        QFETCH(QSize, size);
        TestWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(size);
        RAVO_TRY_COMPARE(w.size(), size);
        QCOMPARE(w.findChild<QWidget*>("canvas")->size(), size);
    }

    void stacking_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("frontmost");
        // The two displays stand in front of the frames they overlap.
        QTest::newRow("frequency display over its frame") << QPoint(250, 40) << u("nKmitočet");
        QTest::newRow("dispersion display over its frame") << QPoint(254, 168) << u("nDisperze");
        QTest::newRow("frequency display over the red button") << QPoint(224, 30) << u("nKmitočet");
        QTest::newRow("frame between its buttons") << QPoint(200, 172) << u("frmIndex");
        QTest::newRow("colour button") << QPoint(170, 32) << u("opČervený");
        // The labels are part of the picture; everything else stands in front of it.
        QTest::newRow("prompt label") << QPoint(452, 252) << u("canvas");
        QTest::newRow("title label") << QPoint(480, 12) << u("canvas");
        QTest::newRow("drawing") << QPoint(500, 400) << u("canvas");
        QTest::newRow("scroll bar") << QPoint(470, 32) << u("HScroll1");
        QTest::newRow("start") << QPoint(584, 20) << u("cmdStart");
    }

    void stacking() {
        QFETCH(QPoint, point);
        QFETCH(QString, frontmost);
        QWidget* at = window_->childAt(point);
        QVERIFY(at);
        QCOMPARE(at->objectName(), frontmost);
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
