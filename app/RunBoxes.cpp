// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunBoxes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

namespace ravo {

// A box takes a key's answer when the key is released, and only for a key pressed while
// it is open. A box that went on the press would be gone when the release arrives: a
// program that sends keys to the box's window, as on-screen keyboards do, then fails on
// the release, and the key it pressed stays down and repeats into the next box.
class AnswerOnRelease : public QObject {
public:
    explicit AnswerOnRelease(QWidget& box) : box_(box) { qApp->installEventFilter(this); }
    ~AnswerOnRelease() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (replaying_ || (type != QEvent::KeyPress && type != QEvent::KeyRelease))
            return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != &box_)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (type == QEvent::KeyPress) {
            if (!key->isAutoRepeat()) {
                pressedKey_ = key->key();
                pressedModifiers_ = key->modifiers();
                pressedText_ = key->text();
            }
            return true;
        }
        if (key->isAutoRepeat() || pressedKey_ == 0 || key->key() != pressedKey_)
            return false;
        QKeyEvent press(QEvent::KeyPress, pressedKey_, pressedModifiers_, pressedText_);
        pressedKey_ = 0;
        replaying_ = true;
        QApplication::sendEvent(watched, &press);
        replaying_ = false;
        return false;
    }

private:
    QWidget& box_;
    int pressedKey_ = 0;
    Qt::KeyboardModifiers pressedModifiers_;
    QString pressedText_;
    bool replaying_ = false;
};

std::unique_ptr<RunBox> RunBox::question(QWidget& window, const QString& title,
                                         const QString& prompt, const QString& yes,
                                         const QString& no, Answered answered) {
    auto* box =
        new QMessageBox(QMessageBox::Question, title, prompt, QMessageBox::NoButton, &window);
    QPushButton* yesButton = box->addButton(yes, QMessageBox::YesRole);
    QPushButton* noButton = box->addButton(no, QMessageBox::NoRole);
    box->setDefaultButton(yesButton);
    box->setEscapeButton(noButton);
    std::unique_ptr<RunBox> runBox(new RunBox(window, box, std::move(answered)));
    QObject::connect(box, &QDialog::finished, runBox.get(), [run = runBox.get(), yesButton] {
        const bool isYes = run->box_ && run->box_->clickedButton() == yesButton;
        QMetaObject::invokeMethod(
            run, [run, isYes] { run->answered_(isYes); }, Qt::QueuedConnection);
    });
    runBox->show();
    return runBox;
}

std::unique_ptr<RunBox> RunBox::refusal(QWidget& window, const QString& title, const QString& text,
                                        Answered answered) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, &window);
    std::unique_ptr<RunBox> runBox(new RunBox(window, box, std::move(answered)));
    QObject::connect(box, &QDialog::finished, runBox.get(), [run = runBox.get()] {
        QMetaObject::invokeMethod(
            run, [run] { run->answered_(false); }, Qt::QueuedConnection);
    });
    runBox->show();
    return runBox;
}

RunBox::RunBox(QWidget& window, QMessageBox* box, Answered answered)
    : window_(window), box_(box), answered_(std::move(answered)) {}

// The box waits for its answer under the ordinary cursor; the keyboard goes to it, also
// when the window is brought to the front.
void RunBox::show() {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    box_->setWindowModality(Qt::NonModal);
    answerOnRelease_ = std::make_unique<AnswerOnRelease>(*box_);
    keepFocus_ = QObject::connect(
        qApp, &QGuiApplication::focusWindowChanged, box_, [this](QWindow* focused) {
            if (focused && focused == window_.windowHandle() && box_ && box_->isVisible())
                box_->activateWindow();
        });
    box_->show();
    box_->activateWindow();
}

RunBox::~RunBox() {
    QObject::disconnect(keepFocus_);
    answerOnRelease_.reset();
    QApplication::restoreOverrideCursor();
    if (box_) {
        box_->disconnect(this);
        delete box_.data();
    }
}

} // namespace ravo
