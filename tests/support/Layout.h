// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's layout as the tests expect it, read from tests/layout.json, which the
// Python end-to-end tests read too.

#include <QColor>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
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
    QString text;
    QColor background; // invalid: not checked
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
        if (kind == "check box")
            return "QCheckBox";
        qFatal("layout.json: unknown kind %s", qPrintable(kind));
    }
};

struct Layout {
    QString title;
    QColor background;
    QSize size;
    QList<LayoutControl> controls;

    const LayoutControl& control(const QString& name) const {
        for (const LayoutControl& c : controls)
            if (c.name == name)
                return c;
        qFatal("layout.json: no control %s", qPrintable(name));
    }
};

inline Layout readLayout() {
    QFile file(QStringLiteral(RAVO_LAYOUT_FILE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", RAVO_LAYOUT_FILE);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll(), &error).object();
    if (error.error != QJsonParseError::NoError)
        qFatal("%s: %s", RAVO_LAYOUT_FILE, qPrintable(error.errorString()));

    Layout layout;
    const QJsonObject window = root["window"].toObject();
    layout.title = window["title"].toString();
    layout.background = QColor(window["background"].toString());
    layout.size = QSize(window["size"][0].toInt(), window["size"][1].toInt());
    QMap<QString, QPoint> origins;
    for (const QJsonValue& value : root["controls"].toArray()) {
        const QJsonObject o = value.toObject();
        LayoutControl c;
        c.name = o["name"].toString();
        c.container = o["container"].toString();
        c.kind = o["kind"].toString();
        const QJsonArray at = o["at"].toArray();
        c.at = QRect(at[0].toInt(), at[1].toInt(), at[2].toInt(), at[3].toInt());
        c.onWindow = origins.value(c.container) + c.at.topLeft();
        origins[c.name] = c.onWindow;
        c.tab = o["tab"].toInt();
        c.shown = o["shown"].toString();
        c.enabled = o["enabled"].toBool();
        c.text = o["text"].toString();
        if (o["background"].isString())
            c.background = QColor(o["background"].toString());
        const QStringList font = o["font"].toString().split(' ');
        c.fontFamily = font.value(0) == "serif" ? "Liberation Serif" : "Liberation Sans";
        c.fontPixels = font.value(1).toInt();
        c.bold = font.value(2) == "bold";
        layout.controls << c;
    }
    return layout;
}

// The layout, read once.
inline const Layout& layout() {
    static const Layout read = readLayout();
    return read;
}

} // namespace ravo::test
