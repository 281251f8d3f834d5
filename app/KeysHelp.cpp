// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeysHelp.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

namespace ravo {

KeysHelp::KeysHelp(QWidget* owner) : QWidget(owner, Qt::Window), label_(new QLabel(this)) {
    setObjectName("keysHelp");
    label_->setTextFormat(Qt::RichText);
    label_->setWordWrap(false);
    label_->setMargin(12);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    retranslate();
    setZoom(1);
}

QString KeysHelp::text() const {
    return label_->text();
}

void KeysHelp::setZoom(qreal zoom) {
    zoom_ = zoom;
    QFont font("Liberation Sans");
    font.setPixelSize(std::max(8, int(std::lround(14 * zoom))));
    label_->setFont(font);
    adjustSize();
}

void KeysHelp::retranslate() {
    setWindowTitle(tr("Ravo - keys and mouse"));
    const std::pair<const char*, const char*> rows[] = {
        {QT_TRANSLATE_NOOP("KeysHelp", "Space"),
         QT_TRANSLATE_NOOP("KeysHelp", "holds a run, and lets it go on again")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Right arrow, Page Down"),
         QT_TRANSLATE_NOOP("KeysHelp", "draws one more detector point of a held run")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Escape"),
         QT_TRANSLATE_NOOP("KeysHelp", "stops a run, keeping what it drew")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Ctrl+C"),
         QT_TRANSLATE_NOOP("KeysHelp", "copies the picture")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Ctrl+Shift+C"),
         QT_TRANSLATE_NOOP("KeysHelp", "copies the marks as a table, for a spreadsheet")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Ctrl+Q"), QT_TRANSLATE_NOOP("KeysHelp", "closes Ravo")},
        {QT_TRANSLATE_NOOP("KeysHelp", "F11"),
         QT_TRANSLATE_NOOP("KeysHelp", "full screen, and back")},
        {QT_TRANSLATE_NOOP("KeysHelp", "F1"), QT_TRANSLATE_NOOP("KeysHelp", "this help")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Resting the mouse on a mark"),
         QT_TRANSLATE_NOOP("KeysHelp", "shows its point, x, P and its run's settings")},
        {QT_TRANSLATE_NOOP("KeysHelp", "A click on a mark"),
         QT_TRANSLATE_NOOP("KeysHelp", "looks inside that detector point: its paths and spiral")},
        {QT_TRANSLATE_NOOP("KeysHelp", "A right click on the picture"),
         QT_TRANSLATE_NOOP("KeysHelp", "the menu: copy, projector colours, pace, language")},
    };
    QString html = "<table cellspacing='6'>";
    for (const auto& [key, what] : rows)
        html += "<tr><td><b>" + tr(key).toHtmlEscaped() + "</b></td><td>" +
                tr(what).toHtmlEscaped() + "</td></tr>";
    html += "</table>";
    label_->setText(html);
    setAccessibleName(windowTitle());
    setAccessibleDescription(label_->text());
}

void KeysHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F1) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void KeysHelp::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace ravo
