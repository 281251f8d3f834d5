// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowSizing.h"

#include "DesignPlacement.h"

#include <QResizeEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace ravo {

namespace {

// The screen's free area less the window's frame, where the frame is known.
QSize roomFor(const QWidget& window, const QScreen& screen) {
    QSize room = screen.availableSize();
    if (const QWindow* handle = window.windowHandle()) {
        const QMargins frame = handle->frameMargins();
        room -= QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    }
    return room;
}

} // namespace

WindowSizing::WindowSizing(QWidget& window) : window_(window) {
    keepReadable();
    startResize(startSize());
}

// The smallest size at which the texts stay readable, or on a screen whose free area is
// smaller, the largest that fits there, but never below half the design.
void WindowSizing::keepReadable() {
    qreal zoom = readableZoom;
    if (const QScreen* shown = window_.screen())
        zoom = std::min(zoom, DesignPlacement::fitting(roomFor(window_, *shown)).zoom);
    window_.setMinimumSize(DesignPlacement::clientAt(std::max<qreal>(zoom, minimumZoom)));
}

// The design size, or on a screen whose free area is smaller, the largest size that fits.
QSize WindowSizing::startSize() const {
    const QScreen* shown = window_.screen();
    if (!shown)
        return DesignPlacement::design;
    const qreal zoom = DesignPlacement::fitting(roomFor(window_, *shown)).zoom;
    return zoom >= 1 ? DesignPlacement::design : DesignPlacement::clientAt(zoom);
}

void WindowSizing::startResize(QSize size) {
    requestedSize_ = size;
    sizedFor_ = window_.screen();
    window_.resize(size);
}

bool WindowSizing::followsScreen() const {
    return !userSized_ && !window_.isMaximized() && !window_.isFullScreen() &&
           window_.screen() != sizedFor_;
}

// Once the window system has put its frame around the window, which happens only after
// the window is shown, the window is made smaller if its title bar and lower border would
// push the bottom of the design off the screen's free area. The side borders, a pixel or
// two, may stand beyond the screen's edges.
void WindowSizing::fitFrameOnScreen() {
    const QScreen* shown = window_.screen();
    const QWindow* handle = window_.windowHandle();
    if (!fittingFrame_ || !shown || !handle || window_.isMaximized() || window_.isFullScreen())
        return;
    const QMargins frame = handle->frameMargins();
    if (frame.isNull())
        return;
    fittingFrame_ = false;
    keepReadable();
    const QRect room = shown->availableGeometry();
    const QSize client(room.width(), room.height() - frame.top() - frame.bottom());
    if (window_.width() <= client.width() && window_.height() <= client.height())
        return;
    startResize(DesignPlacement::clientAt(DesignPlacement::fitting(client).zoom)
                    .boundedTo(window_.size()));
    window_.move(window_.x(), std::max(room.top(), std::min(window_.y(),
                                                            room.bottom() + 1 -
                                                                window_.frameGeometry().height())));
}

void WindowSizing::shown() {
    // Sized for the screen it was made on, the window may be shown on another, of another
    // size or scale: until the user sizes it, it takes the start size of the screen it is on.
    if (QWindow* handle = window_.windowHandle(); handle && !screenWatched_) {
        screenWatched_ = true;
        QObject::connect(handle, &QWindow::screenChanged, &window_, [this] {
            keepReadable();
            if (followsScreen())
                startResize(startSize());
        });
    }
    keepReadable();
    if (followsScreen())
        startResize(startSize());
    fitFrameOnScreen();
}

void WindowSizing::moved() {
    fitFrameOnScreen();
}

void WindowSizing::resized(const QResizeEvent& event) {
    if (event.spontaneous() && event.size() != requestedSize_ && window_.isVisible())
        userSized_ = true;
}

void WindowSizing::placeBeside(QWidget& other) const {
    const QRect main = window_.frameGeometry();
    const QRect room = window_.screen() ? window_.screen()->availableGeometry() : main;
    const QSize size = other.size().boundedTo(room.size());
    int x = main.right() + 1 + 8;
    if (x + size.width() - 1 > room.right())
        x = main.left() - 8 - size.width();
    if (x < room.left())
        x = room.right() + 1 - size.width();
    const int y = std::clamp(main.top(), room.top(), room.bottom() + 1 - size.height());
    other.move(x, y);
}

} // namespace ravo
