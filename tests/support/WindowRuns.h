// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageCompare.h"
#include "TestWindow.h"
#include "WindowControls.h"
#include "frmRavo.h"

#include <QApplication>
#include <QtTest>

#include <deque>
#include <string_view>

namespace ravo::test {

// Answers the window's questions in turn ("No" once the answers run out) and takes its
// refusals without a box.
inline void answerWith(frmRavo& w, std::deque<bool> answers) {
    w.setAnswerProvider([answers](std::string_view) mutable {
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    });
    w.setMessageSink([](std::string_view) {});
}

// Starts a run as "Start" does and waits until it has ended.
inline bool runToEnd(frmRavo& w) {
    w.cmdStart_Click();
    return waitUntil([&] { return !w.running(); });
}

// The picture's pixel at a point of the design, with what was drawn last put in it.
inline QRgb pixelAt(frmRavo& w, double x, double y) {
    w.surface().endPainting();
    const QImage& image = w.canvas().image();
    const qreal f = w.canvas().factor();
    return image.pixel(int(x * f), int(y * f));
}

// The topmost row of a column between two heights whose pixel has the given colour, or -1.
inline int topmost(frmRavo& w, int x, int y0, int y1, QRgb colour) {
    for (int y = y0; y <= y1; ++y)
        if (pixelAt(w, x, y) == colour)
            return y;
    return -1;
}

inline bool showActive(frmRavo& w) {
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

// A key pressed on whatever has the focus, as a user's would be.
inline void key(int k, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    QTest::keyClick(target, Qt::Key(k), modifiers);
}

inline bool captionsShown(frmRavo& w) {
    return control(w, "nPravděpodobnost")->isVisible() &&
           control(w, "nSoučetRadiusvektorů")->isVisible() &&
           control(w, "nClonaOtvor")->isVisible();
}

inline const QRgb blueMark = qRgb(0, 0, 255);
inline const QRgb redMark = qRgb(255, 0, 0);
inline const QRgb greenMark = qRgb(0, 255, 0);

} // namespace ravo::test
