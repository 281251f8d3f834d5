// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeysHelp.h"

#include "Fonts.h"
#include "Help.h"
#include "QtText.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

#include <cmath>

namespace ravo {

KeysHelp::KeysHelp(QWidget* owner, const QtTranslator& tr)
    : QWidget(owner, Qt::Window), tr_(tr), grid_(new QGridLayout(this)) {
    setObjectName("keysHelp");
    retranslate();
    setZoom(1);
}

QString KeysHelp::text() const {
    QStringList lines;
    for (const KeyHelp& row : keysHelp())
        lines << tr_(row.keys) + ": " + tr_(row.does);
    return lines.join('\n');
}

void KeysHelp::setZoom(qreal zoom) {
    zoom_ = zoom;
    QFont font(QString::fromLatin1(textFamily));
    font.setPixelSize(std::max(8, int(std::lround(14 * zoom))));
    for (auto* label : findChildren<QLabel*>()) {
        QFont own = font;
        const bool keys = grid_->indexOf(label) % 2 == 0;
        own.setBold(keys);
        label->setFont(own);
        // What a key does wraps within a column of its own, which grows with the text.
        if (!keys)
            label->setFixedWidth(int(std::lround(380 * zoom)));
    }
    const int margin = int(std::lround(12 * zoom));
    grid_->setContentsMargins(margin, margin, margin, margin);
    grid_->setHorizontalSpacing(int(std::lround(18 * zoom)));
    grid_->setVerticalSpacing(int(std::lround(6 * zoom)));
    adjustSize();
}

void KeysHelp::retranslate() {
    setWindowTitle(tr_(keysHelpTitle()));
    while (QLayoutItem* item = grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int row = 0;
    for (const KeyHelp& key : keysHelp()) {
        auto* keys = new QLabel(tr_(key.keys), this);
        auto* does = new QLabel(tr_(key.does), this);
        keys->setTextFormat(Qt::PlainText);
        does->setTextFormat(Qt::PlainText);
        does->setWordWrap(true);
        grid_->addWidget(keys, row, 0, Qt::AlignLeft | Qt::AlignTop);
        grid_->addWidget(does, row, 1, Qt::AlignLeft | Qt::AlignTop);
        ++row;
    }
    setAccessibleName(windowTitle());
    setAccessibleDescription(text());
    setZoom(zoom_);
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
