// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QGridLayout;

namespace ravo {

class QtTranslator;

// The keys and the mouse, in the program's language: F1 opens it, Escape closes it. Two
// columns, what to press and what it does, with room between them that grows with the
// main window's zoom, as its text does.
class KeysHelp : public QWidget {
public:
    KeysHelp(QWidget* owner, const QtTranslator& tr);

    void setZoom(qreal zoom);
    // The list as plain text, a line per key: what a screen reader reads.
    QString text() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    const QtTranslator& tr_;
    QGridLayout* grid_;
    qreal zoom_ = 1;
};

} // namespace ravo
