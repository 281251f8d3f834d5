// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"
#include "PixelSpans.h"

#include <QObject>
#include <QPainter>
#include <QPen>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <span>

class QMessageBox;

namespace ravo {

class DrawingCanvas;

// A colour of the run (&H00BBGGRR, or none for the foreground black) as Qt's colour.
QColor toQColor(std::optional<Colour> colour);
// A text of the program (UTF-8) for Qt.
QString toQString(std::string_view text);

// The run's surface over Qt. Drawing goes into each layer of the canvas's retained
// picture, in design pixels (a layer's factor is its painter's scale); the area
// changed since the last showing is kept as one bounding rectangle and put on the screen
// at least once per display frame, and whenever the run asks. At those points pending
// events are processed, so the window repaints when uncovered and hears a close request,
// while the run's input filter keeps clicks and keys away.
class QtDrawingSurface : public DrawingSurface {
public:
    using Clock = std::chrono::steady_clock;

    QtDrawingSurface(QWidget& window, DrawingCanvas& canvas);
    ~QtDrawingSurface() override;

    void SetScaleToPixels() override;
    void SetPenWidth(int width) override;
    void DrawLine(float x1, float y1, float x2, float y2,
                  std::optional<Colour> colour = std::nullopt) override;
    void DrawCircle(float x, float y, float radius,
                    std::optional<Colour> colour = std::nullopt) override;
    bool AskYesNo(std::string_view prompt) override;
    void ShowControl(std::string_view controlName) override;
    void ShowMessage(std::string_view text) override;
    void Flush() override;
    void KeepAlive() override;
    bool WaitUntil(Clock::time_point deadline) override;
    Clock::duration HeldTime() const override { return heldTime_; }
    bool Hurried() const override { return stepping_; }

    int penWidth() const { return penWidth_; }

    // Horizontal and vertical lines are written as spans of pixels where that gives exactly
    // QPainter's pixels; switched off, every line goes through QPainter.
    void setSpanLines(bool on) { spanLines_ = on; }
    // How many lines have been written as spans.
    long spanLineCount() const { return spanLineCount_; }

    // Asks the run in progress to stop at its next drawing or countdown step.
    void requestStop();
    bool stopRequested() const { return stopRequested_; }

    // Holding a run. A run starts free, with no stop asked for; Space holds it at its next drawing
    // or waiting step and releases it again; Right or Page Down lets a held run draw up to its next
    // mark without the slow-down; Escape stops it. Returns false for any other key.
    void beginRun();
    bool runKey(int key);
    // The run has drawn the mark of a detector point; a stepped run holds again after it,
    // unless it was the last.
    void pointDone(bool last);
    // True while the run waits, held, for a key.
    bool held() const { return holding_; }

    // Test seams: answer the next questions, or take the messages, without a modal wait.
    void setAnswerProvider(std::function<bool(std::string_view)> provider) {
        answerProvider_ = std::move(provider);
    }
    void setMessageSink(std::function<void(std::string_view)> sink) {
        messageSink_ = std::move(sink);
    }

    // Puts the changed area on the screen and lets Qt process what is pending.
    void present();
    // At the end of a run: schedules the last changes for painting, processes nothing.
    void settle();

private:
    std::span<QPainter> painters(std::optional<Colour> colour);
    bool drawSpanLine(QPainter& painter, QImage& picture, float x1, float y1, float x2, float y2);
    void endPainting();
    void touched(float left, float top, float right, float bottom);
    // The changed area as pixels of the picture, or an empty rectangle; forgets it.
    QRect takeDirty();
    void presentIfDue();
    void throwIfStopped() const;
    void holdIfAsked() {
        if (holdAsked_)
            hold();
    }
    void hold();
    void showModal(QMessageBox& box);

    QWidget& window_;
    DrawingCanvas& canvas_;
    // One painter per layer of the picture.
    std::array<QPainter, 2> painters_;
    std::size_t painting_ = 0;
    int penWidth_ = 1;
    QPen pen_{Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin};
    QPen finePen_{Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin};
    PixelSpans spans_;
    bool spanLines_ = true;
    long spanLineCount_ = 0;
    // The bounding box of everything drawn since the last showing (empty: left > right).
    float dirtyLeft_ = 1, dirtyTop_ = 1, dirtyRight_ = 0, dirtyBottom_ = 0;
    Clock::time_point lastPresent_ = Clock::now();
    bool presenting_ = false;
    bool stopRequested_ = false;
    bool cancelled_ = false;
    bool holdAsked_ = false;
    bool stepping_ = false;
    bool holding_ = false;
    Clock::duration heldTime_{};
    QTimer wakeUp_;
    static constexpr std::chrono::milliseconds maxWakeLateness{10};
    static constexpr std::chrono::milliseconds finalSleep{1};
    Clock::duration wakeLateness_{};
    QPointer<QMessageBox> openBox_;
    std::function<bool(std::string_view)> answerProvider_;
    std::function<void(std::string_view)> messageSink_;
};

// For the length of a run: a busy cursor, and no mouse, keyboard or drop input to the
// window (the question box, a window of its own, still takes its answer). Every input event
// held back is first shown to runInput, through which the run hears its own keys.
class RunInputGuard : public QObject {
public:
    using RunInput = std::function<void(QObject* watched, QEvent* event)>;
    explicit RunInputGuard(QWidget& window, RunInput runInput = {});
    ~RunInputGuard() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    RunInput runInput_;
};

} // namespace ravo
