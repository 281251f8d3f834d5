// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;
class QWidget;

namespace ravo {

// Closes the window, as "Exit" does, when the program receives SIGTERM (the session
// ending, or a service manager stopping it), SIGINT (Ctrl+C in a terminal) or SIGHUP (the
// terminal or session going away): a run in progress stops at its next step and the
// program ends normally, with status 0.
// The signal handler only writes a byte into a pipe; the window is closed from the event
// loop. One instance at a time; the previous handlers come back when it is destroyed.
class CloseOnSignal : public QObject {
public:
    explicit CloseOnSignal(QWidget& window);
    ~CloseOnSignal() override;

    CloseOnSignal(const CloseOnSignal&) = delete;
    CloseOnSignal& operator=(const CloseOnSignal&) = delete;

private:
    static void handle(int signal);
    void closeWindow();

    QWidget& window_;
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previousTerm_ {};
    struct sigaction previousInt_ {};
    struct sigaction previousHup_ {};
};

} // namespace ravo
