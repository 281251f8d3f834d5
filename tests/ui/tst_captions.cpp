// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowControls.h"
// The fonts that Qt actually resolved for every control, and whether every caption can be
// read whole in its control's laid-out size: the text must fit the area the style gives it,
// lie inside its control and the control's frame, and not be covered by another control
// standing in front of it.

#include "Layout.h"
#include "frmRavo.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QtTest>

using namespace ravo;
using ravo::test::u;

namespace {

// The controls that show a caption once a run has ended, but for the scroll bar.
QList<test::LayoutControl> captioned() {
    QList<test::LayoutControl> found;
    for (const test::LayoutControl& c : test::layout().controls)
        if (c.shown != "never" && c.kind != "scroll bar")
            found << c;
    return found;
}

// The two text boxes that show a setting's value.
bool isValueDisplay(const test::LayoutControl& c) {
    return c.kind == "text box" && c.shown == "start";
}

// Where a control puts its caption, in the control's own coordinates.
struct Placement {
    QString text;
    QRect area;          // the area the text is laid out in
    Qt::Alignment align; // its alignment there
    QRect clip;          // what the control lets show of it
};

Placement buttonPlacement(QAbstractButton* b) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    Qt::Alignment align = Qt::AlignCenter;
    if (qobject_cast<QRadioButton*>(b)) {
        contents = QStyle::SE_RadioButtonContents;
        align = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (qobject_cast<QCheckBox*>(b)) {
        contents = QStyle::SE_CheckBoxContents;
        align = Qt::AlignLeft | Qt::AlignVCenter;
    }
    return {b->text(), b->style()->subElementRect(contents, &opt, b), align, b->rect()};
}

Placement frameTitlePlacement(QGroupBox* g) {
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.lineWidth = 1;
    opt.midLineWidth = 0;
    opt.textAlignment = g->alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.features = g->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
    const QRect label =
        g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
    return {g->title(), label, Qt::AlignHCenter | Qt::AlignVCenter, g->rect()};
}

Placement labelPlacement(QLabel* l) {
    return {l->text(), l->rect(), l->alignment(), l->rect()};
}

// A text box scrolls a text that is wider than its visible part; the caption is whole only
// if the cursor's place at its first and at its last character lie one text width apart.
Placement textBoxPlacement(QLineEdit* e, QString& problem) {
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->contentsRect();
    opt.lineWidth =
        e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    if (e->isReadOnly())
        opt.state |= QStyle::State_ReadOnly;
    const QRect visible = e->style()
                              ->subElementRect(QStyle::SE_LineEditContents, &opt, e)
                              .marginsRemoved(e->textMargins());

    const int keep = e->cursorPosition();
    auto cursorAt = [&](int position) {
        e->setCursorPosition(position);
        e->repaint(); // the box decides its scrolling when it paints
        return e->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    };
    const QRect last = cursorAt(int(e->text().size()));
    const QRect first = cursorAt(0);
    cursorAt(keep);
    const int advance = e->fontMetrics().horizontalAdvance(e->text());
    const int shown = last.center().x() - first.center().x();
    if (std::abs(shown - advance) > 1)
        problem = QString("the box shows %1 of the text's %2 pixels").arg(shown).arg(advance);
    // From the first character to the right end of what the box shows.
    const QRect line(first.center().x(), first.top(), visible.right() + 1 - first.center().x(),
                     e->fontMetrics().height());
    Placement p{e->text(), line, Qt::AlignLeft | Qt::AlignTop, visible};
    return p;
}

// The ink of the text as the control places it, to the fraction of a pixel: on a scaled
// screen a glyph can reach half a pixel further than whole-pixel metrics say.
QRectF inkOf(const Placement& p, const QFont& font) {
    const QFontMetricsF fm(font);
    const qreal advance = fm.horizontalAdvance(p.text);
    qreal x = p.area.left();
    if (p.align & Qt::AlignHCenter)
        x += (p.area.width() - advance) / 2;
    else if (p.align & Qt::AlignRight)
        x = p.area.right() + 1 - advance;
    qreal top = p.area.top();
    if (p.align & Qt::AlignVCenter)
        top += (p.area.height() - fm.height()) / 2;
    else if (p.align & Qt::AlignBottom)
        top = p.area.bottom() + 1 - fm.height();
    return fm.tightBoundingRect(p.text).translated(x, top + fm.ascent());
}

// Whether the ink lies inside an area. On a scaled screen the glyphs are drawn from the
// device-sized font while these metrics come from the logical one, which can put the ink a
// fraction of a device pixel off; anything short of a whole device pixel is not a cut.
qreal slackFor(qreal devicePixelRatio) {
    return 1 / devicePixelRatio - 1.0 / 64;
}

bool within(const QRectF& ink, const QRectF& area, qreal devicePixelRatio) {
    const qreal slack = slackFor(devicePixelRatio);
    return area.adjusted(-slack, -slack, slack, slack).contains(ink);
}

// True when `a` is painted over `b`.
bool inFront(const QWidget* a, const QWidget* b) {
    QList<const QWidget*> chainA, chainB;
    for (const QWidget* w = a; w; w = w->parentWidget())
        chainA.prepend(w);
    for (const QWidget* w = b; w; w = w->parentWidget())
        chainB.prepend(w);
    int i = 0;
    while (i < chainA.size() && i < chainB.size() && chainA[i] == chainB[i])
        ++i;
    if (i == chainB.size())
        return true; // a lies inside b
    if (i == chainA.size())
        return false; // b lies inside a
    const QObjectList& siblings = chainA[i - 1]->children();
    return siblings.indexOf(chainA[i]) > siblings.indexOf(chainB[i]);
}

bool inDrawingLayer(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || w->objectName() == "canvas";
}

} // namespace

class CaptionsTest : public QObject {
    Q_OBJECT

    test::TestWindow* window_ = nullptr;
    qreal zoom_ = 1;

    QWidget* control(const QString& name) {
        auto* w = window_->findChild<QWidget*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }

private slots:
    void initTestCase() {
        prepareApplication();
        window_ = new test::TestWindow;
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
        // RAVO_TEST_LANGUAGE: the captions in another language ("cs", "de", ...).
        if (qEnvironmentVariableIsSet("RAVO_TEST_LANGUAGE")) {
            const QString language = qEnvironmentVariable("RAVO_TEST_LANGUAGE");
            window_->setLanguage(language);
            QCOMPARE(window_->language(), language);
            // A translation that is there: the frames do not read as in English.
            QVERIFY(language == "en" ||
                    control(u("frmIndex"))->property("title").toString() != "Refractive index");
        }
        // RAVO_TEST_ZOOM: the captions at another zoom of the design.
        zoom_ = qEnvironmentVariableIsSet("RAVO_TEST_ZOOM")
                    ? qEnvironmentVariable("RAVO_TEST_ZOOM").toDouble()
                    : 1.0;
        if (zoom_ != 1) {
            // As a screen too small for the readable size lets the window be.
            window_->setMinimumSize(DesignPlacement::minimumClient());
            window_->resize(DesignPlacement::clientAt(zoom_));
            RAVO_TRY_COMPARE(window_->zoom(), zoom_);
        }
        // After a run, so that the three caption boxes are shown.
        window_->settings().setText(Setting::nSpomaleni, "1");
        window_->setAnswerProvider([](std::string_view) { return false; });
        window_->cmdStart_Click();
        RAVO_TRY_VERIFY(!window_->running());
        QVERIFY(control(u("nClonaOtvor"))->isVisible());
        QCOMPARE(captioned().size(), 32);
    }

    void cleanupTestCase() { delete window_; }

    void fonts_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        for (const test::LayoutControl& c : captioned())
            QTest::newRow(c.name.toUtf8()) << c.fontFamily << c.fontPixels << c.bold;
    }

    // What fontconfig really gave: a missing font package fails here rather than quietly
    // changing the look.
    void fonts() {
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        if (zoom_ != 1)
            pixelSize = 0; // fitted to the zoom: only family and weight are fixed
        const QFontInfo info = control(u(QTest::currentDataTag()))->fontInfo();
        QCOMPARE(info.family(), family);
        if (pixelSize)
            QCOMPARE(info.pixelSize(), pixelSize);
        QCOMPARE(info.bold(), bold);
        QCOMPARE(info.italic(), false);
    }

    void caption_fits_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text"); // for the two displays: the value shown
        for (const test::LayoutControl& c : captioned())
            if (!isValueDisplay(c))
                QTest::newRow(c.name.toUtf8()) << c.name << QString();
        // Every value the handlers write into the two displays.
        for (const char* value : {"0.5", "0.75", "1"})
            QTest::addRow("nKmitočet %s", value) << u("nKmitočet") << u(value);
        // The dispersion display shows the words of the program's language.
        for (const char* value : {"Yes", "No"})
            QTest::addRow("nDisperze %s", value)
                << u("nDisperze")
                << QCoreApplication::translate("frmRavo", value, "the dispersion display, 25 pixels");
    }

    void caption_fits() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget* w = control(name);
        QVERIFY(w->isVisible());
        QString problem;
        Placement p;
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            const QString before = e->text();
            if (!text.isNull())
                e->setText(text);
            p = textBoxPlacement(e, problem);
            e->setText(before);
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            p = buttonPlacement(b);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            p = frameTitlePlacement(g);
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            p = labelPlacement(l);
        } else {
            QFAIL("a control without a caption");
        }
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(!p.text.isEmpty());

        const qreal advance = QFontMetricsF(w->font()).horizontalAdvance(p.text);
        QVERIFY2(advance <= p.area.width(),
                 qPrintable(QString("%1 px of text in %2 px").arg(advance).arg(p.area.width())));
        const QRectF ink = inkOf(p, w->font());
        auto where = [](const QRectF& r) {
            return QString("(%1, %2, %3 x %4)")
                .arg(r.x())
                .arg(r.y())
                .arg(r.width())
                .arg(r.height());
        };
        QVERIFY2(within(ink, p.clip, w->devicePixelRatioF()),
                 qPrintable(QString("ink %1 outside %2").arg(where(ink), where(p.clip))));
        QVERIFY(within(ink, w->rect(), w->devicePixelRatioF()));

        // Inside every frame that holds the control.
        const QRectF inkOnWindow = ink.translated(w->mapTo(window_, QPoint(0, 0)));
        for (QWidget* up = w->parentWidget(); up && up != window_; up = up->parentWidget()) {
            const QRectF upOnWindow(up->mapTo(window_, QPoint(0, 0)), up->size());
            QVERIFY2(within(inkOnWindow, upOnWindow, w->devicePixelRatioF()),
                     qPrintable(up->objectName()));
        }
        // Not covered by any shown control in front of it. The labels lie in the picture, so
        // every control but the picture stands in front of them.
        for (QWidget* other : window_->findChildren<QWidget*>()) {
            if (other == w || !other->isVisible() || inDrawingLayer(other) ||
                other->isAncestorOf(w) || w->isAncestorOf(other))
                continue;
            if (!inDrawingLayer(w) && !inFront(other, w))
                continue;
            const qreal slack = slackFor(w->devicePixelRatioF());
            const QRectF otherOnWindow = QRectF(other->mapTo(window_, QPoint(0, 0)), other->size())
                                             .adjusted(slack, slack, -slack, -slack);
            QVERIFY2(!otherOnWindow.intersects(inkOnWindow),
                     qPrintable(QString("covered by %1").arg(other->objectName())));
        }
    }

    // The measure above is a real one: a caption too long for its control fails it.
    void overlong_caption_is_caught_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("text box") << u("nClonaOtvor") << u("Screen of the detector");
        QTest::newRow("display") << u("nDisperze") << u("Dispersion");
    }

    void overlong_caption_is_caught() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        auto* e = qobject_cast<QLineEdit*>(control(name));
        QVERIFY(e);
        const QString before = e->text();
        e->setText(text);
        QString problem;
        const Placement p = textBoxPlacement(e, problem);
        e->setText(before);
        QVERIFY2(!problem.isEmpty() || !within(inkOf(p, e->font()), p.clip, e->devicePixelRatioF()),
                 "an overlong text passed as whole");
    }
};

QTEST_MAIN(CaptionsTest)
#include "tst_captions.moc"
