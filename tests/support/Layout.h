// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's layout as the tests read it: the program's control table, in the terms in
// which a user sees a control (its kind, where it stands on the window, when it is shown,
// its caption, font and colour). The end-to-end tests read the same, written out as JSON by
// layout_json.

#include "ControlTable.h"
#include "Palette.h"

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
    QColor background = Palette::design().ground;
    QSize size{800, 581};
    QList<LayoutControl> controls;

    const LayoutControl& control(const QString& name) const {
        for (const LayoutControl& c : controls)
            if (c.name == name)
                return c;
        qFatal("no control %s", qPrintable(name));
    }
};

inline Layout layoutFromTable() {
    Layout layout;
    QMap<QString, QPoint> origins;
    for (const ControlEntry& e : controlTable()) {
        LayoutControl c;
        c.name = QString::fromUtf8(e.name);
        c.container = e.container ? QString::fromUtf8(e.container) : QString();
        switch (e.kind) {
        case ControlKind::Label:
            c.kind = "label";
            break;
        case ControlKind::PushButton:
            c.kind = "push button";
            break;
        case ControlKind::ScrollBar:
            c.kind = "scroll bar";
            break;
        case ControlKind::Frame:
            c.kind = "frame";
            break;
        case ControlKind::TextBox:
            c.kind = "text box";
            break;
        case ControlKind::OptionButton:
            c.kind = "option button";
            break;
        case ControlKind::CheckBox:
            c.kind = "check box";
            break;
        }
        c.at = e.geometry;
        c.onWindow = origins.value(c.container) + c.at.topLeft();
        origins[c.name] = c.onWindow;
        c.tab = e.tabIndex;
        const bool inHidden = !c.container.isEmpty() && layout.control(c.container).shown == "never";
        c.shown = e.textBox == TextBoxRole::Caption ? "after a run"
                  : (e.shownAtStart && !inHidden)   ? "start"
                                                    : "never";
        c.enabled = e.textBox != TextBoxRole::Display;
        const bool setting = e.textBox == TextBoxRole::Editable ||
                             e.textBox == TextBoxRole::Display || e.textBox == TextBoxRole::Hidden;
        if (!setting)
            c.text = QString::fromUtf8(e.text.source);
        if (c.shown != "never" && e.kind != ControlKind::ScrollBar)
            c.background = e.background;
        const bool serif = e.font == FontRole::Title || e.font == FontRole::Button;
        c.fontFamily = serif ? "Liberation Serif" : "Liberation Sans";
        c.fontPixels = e.font == FontRole::Title    ? 21
                       : e.font == FontRole::Button ? 19
                       : e.font == FontRole::Caption ? 16
                                                     : 11;
        c.bold = serif || e.font == FontRole::DefaultBold;
        layout.controls << c;
    }
    return layout;
}

// The layout, read once.
inline const Layout& layout() {
    static const Layout read = layoutFromTable();
    return read;
}

} // namespace ravo::test
