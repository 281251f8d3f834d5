// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace ravo {

class AnswerOnRelease;

// A box that a run waits on: the question "Delete probability" with "Yes" and "No", or the
// refusal of a frequency text. It is shown at once and does not block: the run's input
// guard keeps the window from input meanwhile, and the window's event loop goes on, so a
// close request still reaches the window. Its answer comes through the event loop after the
// box has closed. Destroying it closes the box without an answer.
class RunBox : public QObject {
public:
    using Answered = std::function<void(bool yes)>;

    static std::unique_ptr<RunBox> question(QWidget& window, const QString& title,
                                            const QString& prompt, const QString& yes,
                                            const QString& no, Answered answered);
    static std::unique_ptr<RunBox> refusal(QWidget& window, const QString& title,
                                           const QString& text, Answered answered);
    ~RunBox() override;

    QMessageBox* box() const { return box_; }

private:
    RunBox(QWidget& window, QMessageBox* box, Answered answered);
    void show();

    QWidget& window_;
    QPointer<QMessageBox> box_;
    std::unique_ptr<AnswerOnRelease> answerOnRelease_;
    Answered answered_;
    QMetaObject::Connection keepFocus_;
};

} // namespace ravo
