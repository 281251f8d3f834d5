// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QWidget>

class QLabel;

namespace ravo {

// The keys and the mouse, in the program's language: F1 opens it, Escape closes it. Its
// text grows with the main window's zoom.
class KeysHelp : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(KeysHelp)

public:
    explicit KeysHelp(QWidget* owner);

    void setZoom(qreal zoom);
    QString text() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* label_;
    qreal zoom_ = 1;
};

} // namespace ravo
