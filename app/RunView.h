// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RunSession.h"

#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <string_view>

class QEvent;
class QKeyEvent;
class QLabel;
class QObject;
class QWidget;

namespace ravo {

class DrawingCanvas;
class QtDrawingSurface;
class QtTranslator;
class RunBox;
class RunInputGuard;

// A key of Qt as the program names it ("Space", "ArrowRight", "c"...).
KeyPress keyPressOf(const QKeyEvent& event);

// The window's view of the run session: it advances the run from the event loop (at once,
// or by a timer for a pause), shows the picture between slices, opens the run's question
// and refusal, holds back the window's input while the run goes on and hands the run its
// keys, and shows where the run stands: the title and cursor of a held run, the band over
// the prompt, and the window's accessible description.
class RunView {
public:
    // What the window does for a command the run does not take itself (copying, the list of
    // keys, closing), and for a right click on the picture of a held run.
    struct Hooks {
        std::function<void(Command)> command;
        std::function<void(QPoint globalPoint)> menu;
        // Whether an event on the window is a click or hover on the picture that a held run
        // lets through (so that a mark can be read and looked inside).
        std::function<bool(QObject* watched, QEvent* event)> letThrough;
        std::function<void()> ended;
        // A box of the run at the window's zoom.
        std::function<void(QWidget& box)> zoom;
    };

    RunView(QWidget& window, RunSession& session, QtDrawingSurface& surface,
            DrawingCanvas& canvas, const QtTranslator& tr, Hooks hooks);
    ~RunView();

    // "Start": the run begins, and the event loop advances it from here on.
    void start();
    // Closing the window: the run ends where it stands, a box closed unanswered.
    void close();

    QWidget* openBox() const;
    const QLabel* statusBand() const { return band_; }
    // The title, cursor, band and description of where the run stands.
    void showState();
    // The band at the zoom (the window's design moved or zoomed).
    void placeBand();
    // The title of a held run and where the run stands, in the window's language.
    void retranslate();

    // Test seams: answer the next questions, or take the refusals, without a box.
    void setAnswerProvider(std::function<bool(std::string_view)> provider) {
        answerProvider_ = std::move(provider);
    }
    void setMessageSink(std::function<void(std::string_view)> sink) {
        messageSink_ = std::move(sink);
    }

private:
    void advance();
    void advanceSoon();
    void answer(bool yes);
    void input(QObject* watched, QEvent* event);
    void ended();

    QWidget& window_;
    RunSession& session_;
    QtDrawingSurface& surface_;
    DrawingCanvas& canvas_;
    const QtTranslator& tr_;
    Hooks hooks_;
    QTimer timer_;
    std::unique_ptr<RunBox> box_;
    std::unique_ptr<RunInputGuard> guard_;
    QLabel* band_ = nullptr;
    QString caption_;
    bool showingHeld_ = false;
    std::function<bool(std::string_view)> answerProvider_;
    std::function<void(std::string_view)> messageSink_;
};

} // namespace ravo
