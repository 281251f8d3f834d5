// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QResizeEvent;
class QScreen;
class QWidget;

namespace ravo {

// How the window sizes and places itself on its screen: at start the design's size, or the
// largest of that shape that fits the screen's free area, its frame included; never smaller
// than where its texts stay readable (where the screen has room for that); on another
// screen the start size of that one, until the user has sized it; and the program's other
// windows beside it.
class WindowSizing {
public:
    explicit WindowSizing(QWidget& window);

    // Told by the window's events.
    void shown();
    void moved();
    void resized(const QResizeEvent& event);

    QSize startSize() const;
    // A window of the program's beside this one where its screen has room, else over its
    // right side; wholly on the screen this window is on.
    void placeBeside(QWidget& other) const;

private:
    void startResize(QSize size);
    void keepReadable();
    void fitFrameOnScreen();
    bool followsScreen() const;

    QWidget& window_;
    // Until the window has a frame: whether the frame has yet to be fitted on the screen.
    bool fittingFrame_ = true;
    // Whether the user has sized the window; until then it takes the start size of its screen.
    bool userSized_ = false;
    bool screenWatched_ = false;
    QSize requestedSize_;
    const QScreen* sizedFor_ = nullptr;
};

} // namespace ravo
