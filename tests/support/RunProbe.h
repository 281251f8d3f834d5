// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace ravo::test {

// Watches the turns of the event loop: a run turns it at every display frame, during its
// pauses and in the boxes it opens. At the first turn at which `condition` holds the probe
// performs `action` once; it then counts the turns that follow, so that a test can tell
// how far a run went on after it was told to stop, without a clock.
class RunProbe {
public:
    RunProbe(std::function<bool()> condition, std::function<void()> action)
        : condition_(std::move(condition)), action_(std::move(action)) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { turn(); });
        timer_.start();
    }

    bool acted() const { return acted_; }
    int turnsAfter() const { return turnsAfter_; }

private:
    void turn() {
        if (acted_) {
            ++turnsAfter_;
        } else if (condition_()) {
            acted_ = true;
            action_();
        }
    }

    std::function<bool()> condition_;
    std::function<void()> action_;
    QTimer timer_;
    bool acted_ = false;
    int turnsAfter_ = 0;
};

// The box that a run has open (the question or a refusal), if any. A run's boxes are
// top-level windows of their own, not application-modal.
inline QMessageBox* openBox() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            return box;
    return nullptr;
}

} // namespace ravo::test
