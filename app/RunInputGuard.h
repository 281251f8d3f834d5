// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace ravo {

// For the length of a run: a busy cursor, and no mouse, keyboard or drop input to the
// window (the question box, a window of its own, still takes its answer). Every input event
// held back is first shown to runInput, through which the run hears its own keys; an event
// for which letThrough says yes goes on to its widget (the picture's hover while a run is
// held).
class RunInputGuard : public QObject {
public:
    using RunInput = std::function<void(QObject* watched, QEvent* event)>;
    using LetThrough = std::function<bool(QObject* watched, QEvent* event)>;
    RunInputGuard(QWidget& window, RunInput runInput, LetThrough letThrough = {});
    ~RunInputGuard() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    RunInput runInput_;
    LetThrough letThrough_;
};

} // namespace ravo
