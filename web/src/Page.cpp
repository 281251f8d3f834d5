// SPDX-License-Identifier: GPL-3.0-or-later
#include "Page.h"

#include "Help.h"

#include <chrono>
#include <variant>

namespace ravo::web {

namespace {

const char* waitName(RunDriver::Wait wait) {
    switch (wait) {
    case RunDriver::Wait::Soon:
        return "Soon";
    case RunDriver::Wait::Until:
        return "Until";
    case RunDriver::Wait::Answer:
        return "Answer";
    case RunDriver::Wait::Acknowledge:
        return "Acknowledge";
    case RunDriver::Wait::Held:
        return "Held";
    case RunDriver::Wait::Ended:
        break;
    }
    return "Ended";
}

const char* commandName(Command command) {
    switch (command) {
    case Command::None:
        break;
    case Command::ToggleHold:
        return "ToggleHold";
    case Command::Step:
        return "Step";
    case Command::Stop:
        return "Stop";
    case Command::CopyPicture:
        return "CopyPicture";
    case Command::CopyData:
        return "CopyData";
    case Command::KeysHelp:
        return "KeysHelp";
    case Command::Quit:
        return "Quit";
    }
    return "";
}

} // namespace

Page::Page() : session_(form_, view_) {
    // Slices of 4 ms. The canvas puts what a task drew into its pixels at the end of the
    // task, which takes about as long again as the drawing: it does that while the pause
    // before the next point runs (a pause counts from the end of the point before), and on a
    // slow machine a slice and its drawing stay short. Shorter slices only add tasks.
    session_.setSlice(std::chrono::milliseconds(4));
    form_.settings().listen([this](Setting) {
        if (changed_)
            changed_();
    });
    form_.listen([this] {
        if (changed_)
            changed_();
    });
}

void Page::setLanguage(std::string_view code, const std::vector<Entry>& entries) {
    catalog_ = Catalog(code);
    for (const Entry& entry : entries)
        catalog_.add(entry.context, entry.source, entry.comment, entry.forms);
}

std::string Page::shownText(std::string_view control) const {
    for (Setting setting : allSettings)
        if (settingName(setting) == control) {
            const std::string& value = form_.settings()[setting];
            return setting == Setting::nDisperze ? write(dispersionDisplay(value)) : value;
        }
    return {};
}

PageAdvance Page::advance() {
    const RunSession::Next next = session_.advance();
    // What the run drew goes to the canvas before the page waits, and after the end.
    surface_.present();
    PageAdvance out;
    out.wait = waitName(next.wait);
    switch (next.wait) {
    case RunDriver::Wait::Until:
        out.delayMs = std::chrono::duration<double, std::milli>(next.delay).count();
        break;
    case RunDriver::Wait::Answer:
        out.text = write(RunSession::questionText(next.text));
        break;
    case RunDriver::Wait::Acknowledge:
        out.text = write(RunSession::refusalText(catalog_.decimalSeparator()));
        break;
    case RunDriver::Wait::Soon:
    case RunDriver::Wait::Held:
    case RunDriver::Wait::Ended:
        break;
    }
    return out;
}

std::string Page::commandFor(const KeyPress& key) const {
    return commandName(session_.commandFor(key));
}

bool Page::command(std::string_view name) {
    for (Command command : {Command::ToggleHold, Command::Step, Command::Stop})
        if (name == commandName(command))
            return session_.command(command);
    return false;
}

std::string Page::state() const {
    switch (session_.control().state()) {
    case RunState::Idle:
        return "Idle";
    case RunState::Running:
        return "Running";
    case RunState::Held:
        return "Held";
    case RunState::Stopped:
        return "Stopped";
    case RunState::Finished:
        break;
    }
    return "Finished";
}

void Page::redraw() {
    const int penWidth = surface_.penWidth();
    surface_.forget();
    view_.SetPenWidth(1);
    session_.history().replay(view_);
    view_.SetPenWidth(penWidth);
    surface_.present();
}

void Page::renewBegin() {
    renewNext_ = 0;
    renewSurface_.forget();
    renewView_.setOptions(view_.options());
}

bool Page::renewStep(double budgetMs, int atLeast) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto& runs = history().runs();
    int drawn = 0;
    while (renewNext_ < runs.size()) {
        // The last run only with the swap: a run going on is drawn as far as it stands then.
        const bool last = renewNext_ + 1 == runs.size();
        const double spent = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (drawn >= atLeast && (spent >= budgetMs || (last && spent > 0.5 * budgetMs)))
            break;
        renewView_.SetPenWidth(1);
        history().replayRun(renewNext_, renewView_);
        ++renewNext_;
        ++drawn;
    }
    renewSurface_.present();
    if (renewNext_ < runs.size())
        return false;
    // The shown canvas now takes the picture drawn anew: nothing on it stands as drawn.
    renewView_.SetPenWidth(1);
    surface_.forget();
    return true;
}

void Page::setColours(const std::array<std::uint32_t, roleCount>& colours) {
    surface_.setColours(colours);
    renewSurface_.setColours(colours);
}

bool Page::setView(const ViewOptions& options) {
    const ViewOptions& was = view_.options();
    const bool redraw = options.shapes != was.shapes || options.hideMarks != was.hideMarks;
    view_.setOptions(options);
    renewView_.setOptions(options);
    return redraw;
}

std::vector<std::string> Page::description() const {
    std::vector<std::string> sentences;
    for (const Text& sentence : describePicture(history(), form_.settings()))
        sentences.push_back(write(sentence));
    return sentences;
}

std::string Page::runEnded() const {
    const Text ended = runEndedText(history());
    return ended.empty() ? std::string() : write(ended);
}

LinkOpened Page::openLink(std::string_view text) {
    LinkOpened out;
    if (session_.running())
        return out;
    const auto read = readLink(text);
    if (const auto* wrong = std::get_if<LinkError>(&read)) {
        out.message = write(wrong->message);
        return out;
    }
    const PictureLink& link = std::get<PictureLink>(read);
    if (!session_.load(link))
        return out;
    view_.setOptions(link.view);
    renewView_.setOptions(link.view);
    cursor_.recheck();
    out.opened = true;
    out.runs = int(history().runs().size());
    out.message = write(linkOpened(int(link.runs.size())));
    return out;
}

bool Page::undoErase() {
    if (!session_.undoErase())
        return false;
    cursor_.recheck();
    return true;
}

} // namespace ravo::web
