// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Form.h"
#include "RunControl.h"
#include "RunDriver.h"
#include "RunRecord.h"
#include "SimulationRun.h"
#include "Text.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ravo {

class DrawingSurface;

// What a key means to the program, given where a run stands.
enum class Command {
    None,
    ToggleHold,  // Space during a run
    Step,        // Right, Page Down during a held run
    Stop,        // Escape during a run
    CopyPicture, // Ctrl+C
    CopyData,    // Ctrl+Shift+C
    KeysHelp,    // F1
    Quit,        // Ctrl+Q: also during a run, which ends where it stands
};

// A key as both faces name it: the browser's KeyboardEvent.key ("Space" for " ").
struct KeyPress {
    std::string_view key;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool repeat = false;
};

// One window's runs from "Start" to their end: the record opened with the settings as they
// are, the sequence that draws it, the driver that advances it by slices against a clock,
// the keys that hold, step and stop it, the settings held still while it goes, and where
// it stands, in words. A face calls advance() from its event loop and waits as told; it
// shows the picture between slices.
class RunSession {
public:
    using Clock = RunDriver::Clock;
    // A slice of the run between two showings of the picture, as long as a frame.
    static constexpr std::chrono::milliseconds defaultSlice{16};

    struct Next {
        RunDriver::Wait wait = RunDriver::Wait::Ended;
        Clock::duration delay{}; // Until: how long the event loop is to wait
        std::string_view text;   // Answer, Acknowledge: the question or the refusal
    };

    RunSession(Form& form, DrawingSurface& surface, const RunClock& clock = RunClock::steady());
    ~RunSession();

    const RunHistory& history() const { return history_; }
    RunHistory& history() { return history_; }
    const RunControl& control() const { return control_; }
    const RunClock& clock() const { return clock_; }

    // "Start": false while a run goes on.
    bool start();
    // Goes on until the run has to wait, and says what for. The end of a run (finished,
    // stopped or refused) is told to the listeners of ended() before this returns Ended.
    Next advance();
    // The answer to the open question (true for "Yes"), or that the refusal was seen.
    void answer(bool yes);
    // A run's key; whether it changed the run (the face then goes on at once).
    bool command(Command command);
    // Closing the window: the run stops where it stands, a question unanswered.
    void close();

    // Draws the runs of a link again, at once, in place of the history: the form takes each
    // run's settings in turn, the records are made as the runs made them (the question
    // answered as it was, a stopped run stopped where it was), and the form is left as after
    // the last. Draws nothing: the face then redraws the picture from the records. False
    // while a run goes on.
    bool load(const struct PictureLink& link);
    // Whether the last run erased the marks of earlier ones by "Yes" to "Delete probability",
    // and no run has come since: its erase can be undone.
    bool canUndoErase() const;
    // Makes that answer "No": the erased marks come back, the run's own drawing stays. The
    // face then redraws the picture from the records.
    bool undoErase();

    // What a key means now.
    Command commandFor(const KeyPress& key) const;

    // From "Start" until the run has ended.
    bool running() const { return driver_ != nullptr; }
    bool waitingForAnswer() const { return driver_ && driver_->waitingForAnswer(); }
    // How long the run goes on before the face shows the picture. A face whose drawing is
    // put into pixels only after the slice (the browser's canvas, at the end of each task)
    // takes a shorter one, so that a slice and its drawing together stay short.
    void setSlice(Clock::duration slice) { slice_ = slice; }
    bool held() const { return running() && control_.state() == RunState::Held; }
    // Whether the window takes input beside the run's keys: no run, or a held one (whose
    // picture may be read, copied and inspected).
    bool takesInput() const { return !running() || held(); }
    // Whether the band over the prompt says where a run stands: while it is held, and
    // after Escape until the next Start.
    bool bandShown() const;
    const RunOutcome& lastOutcome() const { return lastOutcome_; }

    // Where the run stands, in a sentence.
    Text status() const;
    // The window's title while a run is held: "%1 (paused)".
    static Text pausedTitle();

    void onEnded(std::function<void()> listener) { ended_.push_back(std::move(listener)); }

    // The run's question as the program says it.
    static Text questionText(std::string_view question);
    // The refusal of a frequency text that is no number; where the reader's numbers have a
    // decimal comma, it says that the point is meant.
    static Text refusalText(std::string_view decimalSeparator);

private:
    void end();
    std::optional<std::string> noGlassText() const;

    Form& form_;
    DrawingSurface& surface_;
    const RunClock& clock_;
    Clock::duration slice_ = defaultSlice;
    RunHistory history_;
    RunControl control_;
    std::unique_ptr<SimulationRun> run_;
    std::unique_ptr<RunDriver> driver_;
    RunOutcome lastOutcome_;
    bool stoppedByKey_ = false;
    // How late the event loop has lately woken for a pause, and when it was due.
    Clock::duration lateness_{};
    Clock::time_point due_{};
    std::vector<std::function<void()>> ended_;
};

} // namespace ravo
