// SPDX-License-Identifier: GPL-3.0-or-later
#include "CloseOnSignal.h"

#include <QSocketNotifier>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace ravo {

namespace {

// The pipe between the handler and the event loop: [0] is read, [1] is written.
int wakePipe[2] = {-1, -1};

} // namespace

void CloseOnSignal::handle(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing else can be done in a handler.
    if (::write(wakePipe[1], &byte, 1) < 0) {
    }
    errno = savedErrno;
}

CloseOnSignal::CloseOnSignal(QWidget& window) : window_(window) {
    Q_ASSERT(wakePipe[0] < 0);
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        wakePipe[0] = wakePipe[1] = -1;
        return; // the program still runs; it just ends by the system's default on a signal
    }
    notifier_ = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CloseOnSignal::closeWindow);

    struct sigaction action {};
    action.sa_handler = &CloseOnSignal::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, &previousTerm_);
    sigaction(SIGINT, &action, &previousInt_);
    sigaction(SIGHUP, &action, &previousHup_);
}

CloseOnSignal::~CloseOnSignal() {
    if (!notifier_)
        return;
    sigaction(SIGTERM, &previousTerm_, nullptr);
    sigaction(SIGINT, &previousInt_, nullptr);
    sigaction(SIGHUP, &previousHup_, nullptr);
    delete notifier_;
    ::close(wakePipe[0]);
    ::close(wakePipe[1]);
    wakePipe[0] = wakePipe[1] = -1;
}

void CloseOnSignal::closeWindow() {
    char bytes[16];
    while (::read(wakePipe[0], bytes, sizeof bytes) > 0) {
    }
    window_.close();
}

} // namespace ravo
