// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the window's layout, as the tests read it from the design's own numbers (Layout.h),
// as JSON for the end-to-end tests: layout_json OUTPUT_FILE.
#include "Layout.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    const ravo::test::Layout& layout = ravo::test::layout();
    QJsonArray controls;
    for (const ravo::test::LayoutControl& c : layout.controls) {
        QJsonObject o;
        o["name"] = c.name;
        o["container"] = c.container.isEmpty() ? QJsonValue() : QJsonValue(c.container);
        o["kind"] = c.kind;
        o["at"] = QJsonArray{c.at.x(), c.at.y(), c.at.width(), c.at.height()};
        o["shown"] = c.shown;
        o["text"] = c.text;
        o["background"] = c.background.isValid() ? QJsonValue(c.background.name()) : QJsonValue();
        controls.append(o);
    }
    QJsonObject window;
    window["title"] = layout.title;
    window["background"] = layout.background.name();
    window["size"] = QJsonArray{layout.size.width(), layout.size.height()};
    QJsonObject root;
    root["window"] = window;
    root["controls"] = controls;
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    out.write(QJsonDocument(root).toJson());
    return 0;
}
