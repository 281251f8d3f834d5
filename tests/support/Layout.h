// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's layout as the tests read it: the design's numbers, in the terms in which a
// user sees a control (its kind, where it stands on the window, when it is shown, its
// caption, font and colour). The end-to-end tests read the same, written out as JSON by
// layout_json.


#include <QColor>
#include <QList>
#include <QMap>
#include <QRect>
#include <QString>

namespace ravo::test {

struct LayoutControl {
    QString name;
    QString container; // empty: on the window
    QString kind;      // "option button", "text box", ...
    QRect at;          // relative to the container
    QPoint onWindow;   // top-left corner in the client area
    int tab = 0;
    QString shown; // "start", "after a run" or "never"
    bool enabled = true;
    QString text;      // the caption; null for a text box that holds a setting
    QColor background; // invalid: covered by nothing of its own (never shown)
    QString fontFamily;
    int fontPixels = 0;
    bool bold = false;

    // The Qt class that a control of this kind is.
    const char* qtClass() const {
        if (kind == "label")
            return "QLabel";
        if (kind == "push button")
            return "QPushButton";
        if (kind == "scroll bar")
            return "QScrollBar";
        if (kind == "frame")
            return "QGroupBox";
        if (kind == "text box")
            return "QLineEdit";
        if (kind == "option button")
            return "QRadioButton";
        return "QCheckBox";
    }
};

struct Layout {
    QString title = QStringLiteral("Ravo - ");
    QColor background = QColor(192, 192, 192);
    QSize size{800, 581};
    QList<LayoutControl> controls;

    const LayoutControl& control(const QString& name) const {
        for (const LayoutControl& c : controls)
            if (c.name == name)
                return c;
        qFatal("no control %s", qPrintable(name));
    }
};

// The design's own numbers, written out here once more, apart from the program's table, so
// that a wrong place or caption in the program does not pass: per control its name, kind,
// container, place and size in pixels (relative to the container), tab index, when it is
// shown, its caption (null for a text box that holds a setting), its face and its font.
struct DesignRow {
    const char* name;
    const char* kind;
    const char* container;
    int x, y, w, h;
    int tab;
    const char* shown;
    const char* text;
    QRgb face;    // 0: none of its own (never shown, or the scroll bar)
    char font;    // 'd' default, 'b' default bold, 't' title, 'u' button, 'c' caption
};

inline Layout layoutFromDesign() {
    constexpr QRgb grey = 0xffc0c0c0;
    // clang-format off
    static const DesignRow rows[] = {
        {"labTitul", "label", nullptr, 456, 0, 49, 25, 0, "start", "Ravo", grey, 't'},
        {"cmdStart", "push button", nullptr, 552, 8, 65, 25, 1, "start", "Start", grey, 'u'},
        {"cmdKonec", "push button", nullptr, 624, 8, 65, 25, 18, "start", "Exit", grey, 'u'},
        {"HScroll1", "scroll bar", nullptr, 416, 24, 121, 17, 43, "start", "", 0, 'd'},
        {"labKlepnete", "label", nullptr, 336, 240, 233, 25, 19, "start", "Please press button Start", grey, 't'},
        {"frmPoloměrLupy", "frame", nullptr, 56, 8, 89, 73, 2, "start", "Radius of lens", grey, 'd'},
        {"frmKmitočet", "frame", nullptr, 152, 8, 113, 73, 20, "start", "Frequency - colour", grey, 'd'},
        {"frmIndex", "frame", nullptr, 152, 88, 113, 89, 7, "start", "Refractive index", grey, 'd'},
        {"frmZobrazení", "frame", nullptr, 272, 24, 65, 57, 26, "start", "Mapping", grey, 'd'},
        {"frmClona", "frame", nullptr, 272, 88, 73, 81, 33, "start", "Aperture", grey, 'd'},
        {"frmPůlLupy", "frame", nullptr, 344, 24, 57, 57, 12, "start", "Half lens", grey, 'd'},
        {"frmAnimace", "frame", nullptr, 120, 232, 81, 73, 39, "never", "Animace", 0, 'd'},
        {"nKmitočet", "text box", nullptr, 224, 24, 33, 19, 23, "start", nullptr, 0xffffffff, 'd'},
        {"nDisperze", "text box", nullptr, 232, 152, 25, 19, 30, "start", nullptr, grey, 'b'},
        {"nPravděpodobnost", "text box", nullptr, 120, 184, 97, 25, 16, "after a run", "Probability", grey, 'c'},
        {"nSoučetRadiusvektorů", "text box", nullptr, 144, 376, 201, 25, 17, "after a run", "Cornu spirals - Vector sum", grey, 'c'},
        {"nClonaOtvor", "text box", nullptr, 64, 520, 57, 25, 37, "after a run", "Screen", grey, 'c'},
        {"nPoloměr", "text box", nullptr, 8, 40, 33, 19, 6, "never", nullptr, 0, 'd'},
        {"nIndex", "text box", nullptr, 112, 120, 41, 19, 11, "never", nullptr, 0, 'd'},
        {"nPůlLupy", "text box", nullptr, 368, 72, 33, 19, 15, "never", nullptr, 0, 'd'},
        {"nStart", "text box", nullptr, 560, 24, 41, 19, 24, "never", nullptr, 0, 'd'},
        {"nZobrazení", "text box", nullptr, 280, 72, 41, 19, 29, "never", nullptr, 0, 'd'},
        {"nClona", "text box", nullptr, 360, 136, 33, 19, 32, "never", nullptr, 0, 'd'},
        {"nSpomaleni", "text box", nullptr, 392, 0, 49, 19, 38, "never", nullptr, 0, 'd'},
        {"opVelký", "option button", "frmPoloměrLupy", 8, 16, 73, 17, 3, "start", "Great", grey, 'd'},
        {"opStřední", "option button", "frmPoloměrLupy", 8, 32, 65, 17, 4, "start", "Middle", grey, 'd'},
        {"opMalý", "option button", "frmPoloměrLupy", 8, 48, 65, 17, 5, "start", "Small", grey, 'd'},
        {"opČervený", "option button", "frmKmitočet", 8, 16, 65, 17, 21, "start", "Red", 0xffff8080, 'd'},
        {"OpZelená", "option button", "frmKmitočet", 8, 32, 65, 17, 25, "start", "Green", 0xff80ff80, 'd'},
        {"opModrý", "option button", "frmKmitočet", 8, 48, 57, 17, 22, "start", "Blue", 0xffc0c0ff, 'd'},
        {"opIndexVelký", "option button", "frmIndex", 8, 16, 57, 17, 8, "start", "Great", grey, 'd'},
        {"opIndexStřední", "option button", "frmIndex", 8, 32, 57, 17, 9, "start", "Middle", grey, 'd'},
        {"opIndexMalý", "option button", "frmIndex", 8, 48, 57, 13, 10, "start", "Small", grey, 'd'},
        {"chDisperze", "check box", "frmIndex", 8, 64, 81, 13, 31, "start", "Dispercion", grey, 'd'},
        {"opBody", "option button", "frmZobrazení", 8, 16, 49, 17, 27, "start", "Dots", grey, 'd'},
        {"opPruhy", "option button", "frmZobrazení", 8, 32, 49, 17, 28, "start", "Bars", grey, 'd'},
        {"opClonaŠiroká", "option button", "frmClona", 8, 16, 57, 17, 34, "start", "Great", grey, 'd'},
        {"opClonaUy39", "option button", "frmClona", 8, 38, 57, 13, 36, "start", "Middle", grey, 'd'},
        {"opClonaUzka", "option button", "frmClona", 8, 56, 49, 17, 35, "start", "Small", grey, 'd'},
        {"opPůlNe", "option button", "frmPůlLupy", 8, 16, 41, 17, 13, "start", "No", grey, 'd'},
        {"opPůlAno", "option button", "frmPůlLupy", 8, 32, 41, 17, 14, "start", "Yes", grey, 'd'},
        {"opRychlá", "option button", "frmAnimace", 8, 16, 57, 17, 40, "never", "Rychlá", 0, 'd'},
        {"opPomalejší", "option button", "frmAnimace", 8, 32, 65, 13, 41, "never", "Pomalejší", 0, 'd'},
        {"opPomalá", "option button", "frmAnimace", 8, 48, 57, 17, 42, "never", "Pomalá", 0, 'd'},
    };
    // clang-format on
    Layout layout;
    QMap<QString, QPoint> origins;
    for (const DesignRow& r : rows) {
        LayoutControl c;
        c.name = QString::fromUtf8(r.name);
        c.container = r.container ? QString::fromUtf8(r.container) : QString();
        c.kind = QString::fromLatin1(r.kind);
        c.at = QRect(r.x, r.y, r.w, r.h);
        c.onWindow = origins.value(c.container) + c.at.topLeft();
        origins[c.name] = c.onWindow;
        c.tab = r.tab;
        c.shown = QString::fromLatin1(r.shown);
        c.enabled = c.name != "nDisperze";
        c.text = r.text ? QString::fromUtf8(r.text) : QString();
        if (r.face)
            c.background = QColor::fromRgb(r.face);
        const bool serif = r.font == 't' || r.font == 'u';
        c.fontFamily = serif ? "Liberation Serif" : "Liberation Sans";
        c.fontPixels = r.font == 't' ? 21 : r.font == 'u' ? 19 : r.font == 'c' ? 16 : 11;
        c.bold = serif || r.font == 'b';
        layout.controls << c;
    }
    return layout;
}

// The layout, read once.
inline const Layout& layout() {
    static const Layout read = layoutFromDesign();
    return read;
}

} // namespace ravo::test
