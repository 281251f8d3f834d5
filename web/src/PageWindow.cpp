// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageWindow.h"

#include "NumberText.h"

#include <chrono>
#include <string_view>

namespace ravo::web {

namespace {

// What each option button writes, as frmRavo's handlers do.
struct OptionHandler {
    std::string_view control;
    Setting setting;
    std::string value;
};

const std::vector<OptionHandler>& optionHandlers() {
    static const std::vector<OptionHandler> handlers{
        {"opVelký", Setting::nPoloměr, "500"},
        {"opStřední", Setting::nPoloměr, "450"},
        {"opMalý", Setting::nPoloměr, "400"},
        {"opIndexVelký", Setting::nIndex, "1"},
        {"opIndexStřední", Setting::nIndex, numberText(0.98)},
        {"opIndexMalý", Setting::nIndex, numberText(0.96)},
        {"opČervený", Setting::nKmitočet, numberText(0.5)},
        {"OpZelená", Setting::nKmitočet, numberText(0.75)},
        {"opModrý", Setting::nKmitočet, "1"},
        {"opClonaŠiroká", Setting::nClona, "0"},
        {"opClonaUy39", Setting::nClona, "50"},
        {"opClonaUzka", Setting::nClona, "100"},
        {"opPůlAno", Setting::nPůlLupy, "40"},
        {"opPůlNe", Setting::nPůlLupy, "80"},
        {"opPruhy", Setting::nZobrazení, std::string(words::bars)},
        {"opBody", Setting::nZobrazení, std::string(words::dots)},
        {"opRychlá", Setting::nSpomaleni, "1"},
        {"opPomalejší", Setting::nSpomaleni, "5000"},
        {"opPomalá", Setting::nSpomaleni, "10000"},
    };
    return handlers;
}

// A slice of the run between two showings of the picture, as on the desktop.
constexpr std::chrono::milliseconds slice{16};

} // namespace

PageWindow::PageWindow() = default;

bool PageWindow::write(Setting setting, std::string_view value) {
    if (running())
        return false;
    settings_.setText(setting, value);
    return true;
}

std::vector<std::string> PageWindow::formLoad() {
    std::vector<std::string> selected;
    const auto select = [&](const char* option) {
        click(option);
        selected.emplace_back(option);
    };
    select("opVelký");
    select("opIndexStřední");
    select("opPůlNe");
    select("opModrý");
    write(Setting::nStart, "1");
    select("opBody");
    write(Setting::nDisperze, words::yes);
    write(Setting::nClona, "0");
    select("opClonaŠiroká");
    write(Setting::nSpomaleni, "1");
    select("opRychlá");
    return selected;
}

bool PageWindow::click(const std::string& control) {
    if (control == "chDisperze")
        return write(Setting::nDisperze,
                     settings_.text(Setting::nDisperze) == words::yes ? words::no : words::yes);
    for (const OptionHandler& handler : optionHandlers())
        if (handler.control == control)
            return write(handler.setting, handler.value);
    return false;
}

bool PageWindow::scroll(int value) {
    return write(Setting::nSpomaleni, std::to_string(value));
}

bool PageWindow::typeFrequency(const std::string& text) {
    return write(Setting::nKmitočet, text);
}

std::string PageWindow::setting(const std::string& name) const {
    for (Setting s : allSettings)
        if (settingName(s) == name)
            return settings_.text(s);
    return {};
}

bool PageWindow::start() {
    if (running())
        return false;
    RunRecord started;
    started.settings = RecordedSettings(settings_);
    RunRecord& record = history_.add(std::move(started));
    run_ = std::make_unique<SimulationRun>(settings_, surface_, &record);
    driver_ = std::make_unique<RunDriver>(control_, *run_);
    return true;
}

PageAdvance PageWindow::advance() {
    PageAdvance result;
    result.wait = int(RunDriver::Wait::Ended);
    if (!driver_)
        return result;
    const RunDriver::Next next = driver_->advance(slice);
    result.wait = int(next.wait);
    if (next.wait == RunDriver::Wait::Ended) {
        endRun();
        return result;
    }
    surface_.present();
    if (next.wait == RunDriver::Wait::Until)
        result.delayMs =
            std::chrono::duration<double, std::milli>(next.until - RunDriver::Clock::now()).count();
    result.text = std::string(next.text);
    return result;
}

void PageWindow::answer(bool yes) {
    if (driver_)
        driver_->answer(yes);
}

bool PageWindow::key(const std::string& name) {
    if (!running())
        return false;
    if (name == "Space")
        return control_.toggleHold();
    if (name == "ArrowRight" || name == "PageDown")
        return control_.step();
    if (name == "Escape")
        return control_.stop();
    return false;
}

void PageWindow::close() {
    if (!running())
        return;
    control_.stop();
    endRun();
}

// The run has ended: finished, stopped (by Escape or closing) or refused.
void PageWindow::endRun() {
    const RunState state = control_.state();
    if (state != RunState::Finished && state != RunState::Idle)
        control_.stop();
    driver_.reset();
    run_.reset();
    RunRecord& record = history_.last();
    if (control_.state() == RunState::Idle)
        history_.dropLast(); // refused: it drew nothing
    else if (record.progress != RunRecord::Progress::Finished)
        record.progress = RunRecord::Progress::Stopped;
    history_.forgetHidden();
    surface_.present();
}

void PageWindow::redraw() {
    const int penWidth = surface_.penWidth();
    surface_.SetPenWidth(1);
    history_.replay(surface_);
    surface_.SetPenWidth(penWidth);
    surface_.present();
}

} // namespace ravo::web
