// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the window where the layout puts it: container, kind, place and size,
// caption, whether it is shown and enabled at start, and the colour it is painted in. The
// expected table below is written out from the layout itself, so a wrong row in the
// program's control table shows here.

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

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const QColor grey(192, 192, 192);
const QColor noColour; // not checked: hidden, or painted by the style alone

struct Row {
    const char* name;
    const char* parent;
    const char* kind;
    QRect geometry;   // relative to the parent
    QPoint onWindow;  // top-left corner in the client area
    const char* text; // caption, or a text box's text after start-up
    bool shown;
    bool enabled;
    QColor background;
};

// clang-format off
const Row rows[] = {
    // On the window.
    {"labTitul",             "frmRavo", "QLabel",       {456, 0, 49, 25},    {456, 0},   "Ravo",                       true,  true,  grey},
    {"cmdStart",             "frmRavo", "QPushButton",  {552, 8, 65, 25},    {552, 8},   "Start",                      true,  true,  grey},
    {"cmdKonec",             "frmRavo", "QPushButton",  {624, 8, 65, 25},    {624, 8},   "Exit",                       true,  true,  grey},
    {"HScroll1",             "frmRavo", "QScrollBar",   {416, 24, 121, 17},  {416, 24},  "",                           true,  true,  noColour},
    {"labKlepnete",          "frmRavo", "QLabel",       {336, 240, 233, 25}, {336, 240}, "Please press button Start",  true,  true,  grey},
    {"frmPoloměrLupy",       "frmRavo", "QGroupBox",    {56, 8, 89, 73},     {56, 8},    "Radius of lens",             true,  true,  grey},
    {"frmKmitočet",          "frmRavo", "QGroupBox",    {152, 8, 113, 73},   {152, 8},   "Frequency - colour",         true,  true,  grey},
    {"frmIndex",             "frmRavo", "QGroupBox",    {152, 88, 113, 89},  {152, 88},  "Refractive index",           true,  true,  grey},
    {"frmZobrazení",         "frmRavo", "QGroupBox",    {272, 24, 65, 57},   {272, 24},  "Mapping",                    true,  true,  grey},
    {"frmClona",             "frmRavo", "QGroupBox",    {272, 88, 73, 81},   {272, 88},  "Aperture",                   true,  true,  grey},
    {"frmPůlLupy",           "frmRavo", "QGroupBox",    {344, 24, 57, 57},   {344, 24},  "Half lens",                  true,  true,  grey},
    {"frmAnimace",           "frmRavo", "QGroupBox",    {120, 232, 81, 73},  {120, 232}, "Animace",                    false, true,  noColour},
    {"nKmitočet",            "frmRavo", "QLineEdit",    {224, 24, 33, 19},   {224, 24},  "1",                          true,  true,  Qt::white},
    {"nDisperze",            "frmRavo", "QLineEdit",    {232, 152, 25, 19},  {232, 152}, "Yes",                        true,  false, grey},
    {"nPravděpodobnost",     "frmRavo", "QLineEdit",    {120, 184, 97, 25},  {120, 184}, "Probability",                false, true,  noColour},
    {"nSoučetRadiusvektorů", "frmRavo", "QLineEdit",    {144, 376, 201, 25}, {144, 376}, "Cornu spirals - Vector sum", false, true,  noColour},
    {"nClonaOtvor",          "frmRavo", "QLineEdit",    {64, 520, 57, 25},   {64, 520},  "Screen",                     false, true,  noColour},
    {"nPoloměr",             "frmRavo", "QLineEdit",    {8, 40, 33, 19},     {8, 40},    "500",                        false, true,  noColour},
    {"nIndex",               "frmRavo", "QLineEdit",    {112, 120, 41, 19},  {112, 120}, "0.98",                       false, true,  noColour},
    {"nPůlLupy",             "frmRavo", "QLineEdit",    {368, 72, 33, 19},   {368, 72},  "80",                         false, true,  noColour},
    {"nStart",               "frmRavo", "QLineEdit",    {560, 24, 41, 19},   {560, 24},  "1",                          false, true,  noColour},
    {"nZobrazení",           "frmRavo", "QLineEdit",    {280, 72, 41, 19},   {280, 72},  "Body",                       false, true,  noColour},
    {"nClona",               "frmRavo", "QLineEdit",    {360, 136, 33, 19},  {360, 136}, "0",                          false, true,  noColour},
    {"nSpomaleni",           "frmRavo", "QLineEdit",    {392, 0, 49, 19},    {392, 0},   "1",                          false, true,  noColour},
    // Inside the frames.
    {"opVelký",        "frmPoloměrLupy", "QRadioButton", {8, 16, 73, 17}, {64, 24},   "Great",      true,  true, grey},
    {"opStřední",      "frmPoloměrLupy", "QRadioButton", {8, 32, 65, 17}, {64, 40},   "Middle",     true,  true, grey},
    {"opMalý",         "frmPoloměrLupy", "QRadioButton", {8, 48, 65, 17}, {64, 56},   "Small",      true,  true, grey},
    {"opČervený",      "frmKmitočet",    "QRadioButton", {8, 16, 65, 17}, {160, 24},  "Red",        true,  true, QColor(255, 128, 128)},
    {"OpZelená",       "frmKmitočet",    "QRadioButton", {8, 32, 65, 17}, {160, 40},  "Green",      true,  true, QColor(128, 255, 128)},
    {"opModrý",        "frmKmitočet",    "QRadioButton", {8, 48, 57, 17}, {160, 56},  "Blue",       true,  true, QColor(192, 192, 255)},
    {"opIndexVelký",   "frmIndex",       "QRadioButton", {8, 16, 57, 17}, {160, 104}, "Great",      true,  true, grey},
    {"opIndexStřední", "frmIndex",       "QRadioButton", {8, 32, 57, 17}, {160, 120}, "Middle",     true,  true, grey},
    {"opIndexMalý",    "frmIndex",       "QRadioButton", {8, 48, 57, 13}, {160, 136}, "Small",      true,  true, grey},
    {"chDisperze",     "frmIndex",       "QCheckBox",    {8, 64, 81, 13}, {160, 152}, "Dispercion", true,  true, grey},
    {"opBody",         "frmZobrazení",   "QRadioButton", {8, 16, 49, 17}, {280, 40},  "Dots",       true,  true, grey},
    {"opPruhy",        "frmZobrazení",   "QRadioButton", {8, 32, 49, 17}, {280, 56},  "Bars",       true,  true, grey},
    {"opClonaŠiroká",  "frmClona",       "QRadioButton", {8, 16, 57, 17}, {280, 104}, "Great",      true,  true, grey},
    {"opClonaUy39",    "frmClona",       "QRadioButton", {8, 38, 57, 13}, {280, 126}, "Middle",     true,  true, grey},
    {"opClonaUzka",    "frmClona",       "QRadioButton", {8, 56, 49, 17}, {280, 144}, "Small",      true,  true, grey},
    {"opPůlNe",        "frmPůlLupy",     "QRadioButton", {8, 16, 41, 17}, {352, 40},  "No",         true,  true, grey},
    {"opPůlAno",       "frmPůlLupy",     "QRadioButton", {8, 32, 41, 17}, {352, 56},  "Yes",        true,  true, grey},
    {"opRychlá",       "frmAnimace",     "QRadioButton", {8, 16, 57, 17}, {128, 248}, "Rychlá",     false, true, noColour},
    {"opPomalejší",    "frmAnimace",     "QRadioButton", {8, 32, 65, 13}, {128, 264}, "Pomalejší",  false, true, noColour},
    {"opPomalá",       "frmAnimace",     "QRadioButton", {8, 48, 57, 17}, {128, 280}, "Pomalá",     false, true, noColour},
};
// clang-format on

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

    frmRavo* window_ = nullptr;
    QImage picture_;

private slots:
    void initTestCase() {
        prepareApplication();
        window_ = new frmRavo;
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
        for (const Row& r : rows)
            QTest::newRow(r.name) << u(r.parent) << u(r.kind) << r.geometry << r.onWindow
                                  << u(r.text) << r.shown << r.enabled << r.background;
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
        QCOMPARE(captionOf(w), text);
        QCOMPARE(w->isVisible(), shown);
        QCOMPARE(w->isEnabled(), enabled);
        if (background.isValid())
            QCOMPARE(dominantColour(picture_, QRectF(QRect(onWindow, geometry.size()))),
                     background);
    }

    // Nothing on the window that the layout does not name, besides the picture.
    void noOtherControls() {
        QStringList expected{"canvas"};
        for (const Row& r : rows)
            expected << u(r.name);
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
        QTest::newRow("Radius of lens")
            << u("frmPoloměrLupy") << QStringList{u("opVelký"), u("opStřední"), u("opMalý")}
            << u("opVelký");
        QTest::newRow("Frequency - colour")
            << u("frmKmitočet") << QStringList{u("opČervený"), u("OpZelená"), u("opModrý")}
            << u("opModrý");
        QTest::newRow("Refractive index")
            << u("frmIndex")
            << QStringList{u("opIndexVelký"), u("opIndexStřední"), u("opIndexMalý")}
            << u("opIndexStřední");
        QTest::newRow("Mapping") << u("frmZobrazení") << QStringList{u("opBody"), u("opPruhy")}
                                 << u("opBody");
        QTest::newRow("Aperture") << u("frmClona")
                                  << QStringList{u("opClonaŠiroká"), u("opClonaUy39"),
                                                 u("opClonaUzka")}
                                  << u("opClonaŠiroká");
        QTest::newRow("Half lens")
            << u("frmPůlLupy") << QStringList{u("opPůlNe"), u("opPůlAno")} << u("opPůlNe");
        QTest::newRow("Animace") << u("frmAnimace")
                                 << QStringList{u("opRychlá"), u("opPomalejší"), u("opPomalá")}
                                 << u("opRychlá");
    }

    // Each frame's option buttons form one group: one of them chosen, and choosing another
    // clears it, while the other groups keep their choice.
    void option_groups() {
        QFETCH(QString, frame);
        QFETCH(QStringList, buttons);
        QFETCH(QString, selected);
        frmRavo w;
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
        QVERIFY2(title.startsWith("Ravo - "), qPrintable(title));
        const QUrl address(title.mid(7), QUrl::StrictMode);
        QVERIFY2(address.isValid() && address.scheme().startsWith("http") &&
                     !address.host().isEmpty(),
                 qPrintable(title));
        // The whole picture and the "Exit" button fit at start.
        QVERIFY(window_->width() >= 800);
        QVERIFY(window_->height() >= 581);
        QVERIFY(window_->rect().contains(window_->findChild<QWidget*>("cmdKonec")->geometry()));
        QCOMPARE(dominantColour(picture_, QRectF(420, 300, 300, 200)), grey);
        QVERIFY(!(window_->windowFlags() & Qt::MSWindowsFixedSizeDialogHint));
    }

    void window_is_sizable_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("larger") << QSize(1000, 700);
        QTest::newRow("smaller") << QSize(600, 400);
    }

    // The window takes the size it is given; a smaller one only shows less of the picture.
    void window_is_sizable() {
        QFETCH(QSize, size);
        frmRavo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(size);
        QTRY_COMPARE(w.size(), size);
        QCOMPARE(w.findChild<QWidget*>("canvas")->size(), size);
        QVERIFY(w.canvas().pictureRect().contains(QRect(0, 0, 800, 581)));
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
