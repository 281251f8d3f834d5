// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunSession.h"

#include "Link.h"

#include <algorithm>

namespace ravo {

RunSession::RunSession(Form& form, DrawingSurface& surface, const RunClock& clock)
    : form_(form), surface_(surface), clock_(clock) {}

RunSession::~RunSession() {
    driver_.reset();
    run_.reset();
}

bool RunSession::start() {
    if (running())
        return false;
    stoppedByKey_ = false;
    RunRecord started;
    started.settings = SettingsRecord(form_.settings());
    RunRecord& record = history_.add(std::move(started));
    run_ = std::make_unique<SimulationRun>(form_.settings(), surface_, &record);
    driver_ = std::make_unique<RunDriver>(control_, *run_, clock_);
    form_.setLocked(true);
    due_ = {};
    return true;
}

RunSession::Next RunSession::advance() {
    if (!driver_)
        return {};
    using namespace std::chrono;
    if (due_ != Clock::time_point{}) {
        const auto late =
            std::clamp<Clock::duration>(clock_.now() - due_, Clock::duration{}, milliseconds(10));
        lateness_ = late > lateness_ ? late : (lateness_ * 7 + late) / 8;
        due_ = {};
    }
    const RunDriver::Next next = driver_->advance(slice_);
    Next out{next.wait, {}, next.text};
    switch (next.wait) {
    case RunDriver::Wait::Ended:
        end();
        break;
    case RunDriver::Wait::Until: {
        // The event loop wakes a little before the pause ends, by how late it has lately
        // woken, and the driver waits out the rest itself: a busy machine does not stretch
        // the pace.
        const auto early = RunDriver::sleepLimit / 2 + lateness_;
        const auto wait = std::max<Clock::duration>(clock_.waitFor(next.until - early), {});
        // Whole milliseconds, as an event loop's timers count.
        out.delay = duration_cast<milliseconds>(wait);
        due_ = clock_.now() + out.delay;
        break;
    }
    case RunDriver::Wait::Soon:
    case RunDriver::Wait::Answer:
    case RunDriver::Wait::Acknowledge:
    case RunDriver::Wait::Held:
        break;
    }
    return out;
}

void RunSession::answer(bool yes) {
    if (driver_)
        driver_->answer(yes);
}

bool RunSession::command(Command command) {
    if (!running())
        return false;
    bool changed = false;
    switch (command) {
    case Command::ToggleHold:
        changed = control_.toggleHold();
        break;
    case Command::Step:
        changed = control_.step();
        break;
    case Command::Stop:
        changed = control_.stop();
        stoppedByKey_ = stoppedByKey_ || changed;
        break;
    default:
        break;
    }
    return changed;
}

void RunSession::close() {
    if (!running())
        return;
    control_.stop();
    stoppedByKey_ = false;
    end();
}

bool RunSession::load(const PictureLink& link) {
    if (running())
        return false;
    RunHistory loaded;
    NoDrawing nowhere; // the face redraws the picture from the records
    for (const LinkRun& run : link.runs) {
        form_.restore(run.settings);
        RunRecord& record = loaded.add(RunRecord{});
        record.settings = SettingsRecord(form_.settings());
        SimulationRun simulation(form_.settings(), nowhere, &record);
        RunSequence sequence = simulation.steps();
        int points = 0;
        bool stopped = false;
        while (!stopped && sequence.next()) {
            const RunStep& step = sequence.step();
            switch (step.kind) {
            case RunStep::Question:
                simulation.answer(run.answer == RunRecord::Answer::Yes);
                break;
            case RunStep::Refusal:
                stopped = true;
                break;
            case RunStep::Pause:
                simulation.paused(step.steps);
                if (run.progress == RunRecord::Progress::Stopped && points >= run.points)
                    stopped = true;
                break;
            case RunStep::PointDone:
                ++points;
                break;
            }
        }
        if (simulation.outcome().points.empty() && record.erased.empty())
            loaded.dropLast(); // refused: it drew nothing
        else if (record.progress != RunRecord::Progress::Finished)
            record.progress = RunRecord::Progress::Stopped;
    }
    history_ = std::move(loaded);
    history_.forgetHidden();
    stoppedByKey_ = false;
    return true;
}

bool RunSession::canUndoErase() const {
    return !running() && !history_.empty() &&
           history_.runs().back().answer == RunRecord::Answer::Yes;
}

bool RunSession::undoErase() {
    if (!canUndoErase())
        return false;
    // The picture again, with the last answer "No": the paths of the marks that come back
    // are made anew too, so that they can be read and looked inside as before.
    PictureLink link = linkOf(history_, {});
    link.runs.back().answer = RunRecord::Answer::No;
    const SettingsRecord now(form_.settings());
    const int scroll = form_.scrollValue();
    load(link);
    form_.restore(now);
    form_.scroll(scroll);
    return true;
}

Command RunSession::commandFor(const KeyPress& key) const {
    if (key.repeat)
        return Command::None;
    const std::string_view k = key.key;
    const bool letterC = k == "c" || k == "C";
    if (key.ctrl && !key.alt && (k == "q" || k == "Q") && !key.shift)
        return Command::Quit;
    const bool readable = takesInput();
    if (readable && key.ctrl && !key.alt && letterC)
        return key.shift ? Command::CopyData : Command::CopyPicture;
    if (readable && k == "F1" && !key.ctrl && !key.alt && !key.shift)
        return Command::KeysHelp;
    if (!running() || key.ctrl || key.alt || key.shift)
        return Command::None;
    if (k == "Space" || k == " ")
        return Command::ToggleHold;
    if (k == "ArrowRight" || k == "Right" || k == "PageDown")
        return held() ? Command::Step : Command::None;
    if (k == "Escape" || k == "Esc")
        return Command::Stop;
    return Command::None;
}

bool RunSession::bandShown() const {
    return held() || (!running() && stoppedByKey_ && control_.state() == RunState::Stopped);
}

// The run has ended: finished, stopped (by Escape or closing) or refused.
void RunSession::end() {
    const RunState state = control_.state();
    if (state != RunState::Finished && state != RunState::Idle)
        control_.stop();
    lastOutcome_ = run_ ? run_->outcome() : RunOutcome{};
    driver_.reset();
    run_.reset();
    form_.setLocked(false);
    RunRecord& record = history_.last();
    if (control_.state() == RunState::Idle)
        history_.dropLast(); // refused: it drew nothing
    else if (record.progress != RunRecord::Progress::Finished)
        record.progress = RunRecord::Progress::Stopped;
    history_.forgetHidden();
    for (const auto& listener : ended_)
        listener();
}

Text RunSession::status() const {
    const int point = control_.point();
    const int of = RunControl::detectorCount;
    if (waitingForAnswer())
        return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Waiting for an answer"));
    switch (control_.state()) {
    case RunState::Idle:
        return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Ready"));
    case RunState::Running:
        return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Running: point %1 of %2"))
            .arg(point)
            .arg(of);
    case RunState::Held:
        return Text("frmRavo",
                    QT_TRANSLATE_NOOP("frmRavo", "Held at point %1 of %2 — Space: go on · →: "
                                                 "next point · Esc: stop"))
            .arg(point)
            .arg(of);
    case RunState::Stopped:
        if (const auto text = noGlassText())
            return Text("frmRavo",
                        QT_TRANSLATE_NOOP("frmRavo", "Stopped at point %1 of %2. The glass added "
                                                     "no time: the frequency text \"%3\" is none "
                                                     "of 0.5, 0.75 and 1."))
                .arg(point)
                .arg(of)
                .arg(*text);
        return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Stopped at point %1 of %2"))
            .arg(point)
            .arg(of);
    case RunState::Finished:
        break;
    }
    if (const auto text = noGlassText())
        return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Finished: %1 of %2 points. The glass "
                                                            "added no time: the frequency text "
                                                            "\"%3\" is none of 0.5, 0.75 and 1."))
            .arg(point)
            .arg(of)
            .arg(*text);
    return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Finished: %1 of %2 points"))
        .arg(point)
        .arg(of);
}

// The frequency text of the last run, where the glass gave it no time: a typed text that is
// none of the colour buttons' texts (a run draws with it, but the lens does not focus).
std::optional<std::string> RunSession::noGlassText() const {
    if (running() || history_.empty())
        return std::nullopt;
    const SettingsRecord& s = history_.runs().back().settings;
    const std::string& f = s[Setting::nKmitočet];
    if (glassFactor(f, s[Setting::nDisperze] == words::yes) != 0)
        return std::nullopt;
    return f;
}

Text RunSession::pausedTitle() {
    return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "%1 (paused)"));
}

Text RunSession::questionText(std::string_view question) {
    if (question == deleteQuestion)
        return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Delete probability"));
    return Text::verbatim(std::string(question));
}

Text RunSession::refusalText(std::string_view decimalSeparator) {
    if (decimalSeparator == ",")
        return Text("frmRavo",
                    QT_TRANSLATE_NOOP("frmRavo", "The frequency must be a number with a decimal "
                                                 "point, not a comma, such as 0.5 (red), 0.75 "
                                                 "(green) or 1 (blue)."));
    return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "The frequency must be a number, such "
                                                        "as 0.5 (red), 0.75 (green) or 1 (blue)."));
}

} // namespace ravo
