// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CanvasSurface.h"
#include "RunControl.h"
#include "RunDriver.h"
#include "RunRecord.h"
#include "Settings.h"
#include "SimulationRun.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace ravo::web {

// The nine settings of the page: plain texts, the hidden ones (nStart, nSpomaleni, ...)
// included. The page shows the frequency and the dispersion from here.
class PageSettings : public SettingsAccess {
public:
    std::string text(Setting setting) const override { return texts_[std::size_t(setting)]; }
    void setText(Setting setting, std::string_view value) override {
        texts_[std::size_t(setting)] = std::string(value);
    }

private:
    std::array<std::string, allSettings.size()> texts_;
};

// What the page is to wait for after advancing a run.
struct PageAdvance {
    int wait = 0;       // a RunDriver::Wait
    double delayMs = 0; // Until: how long from now
    std::string text;   // Answer, Acknowledge: the question or the refusal
};

// The window of the browser page, as frmRavo is the desktop's: one handler per control
// that writes one setting, Form_Load, "Start", and the run advanced by the page's event
// loop through a RunDriver. It keeps the RunHistory (the picture is its replay) and the
// RunControl (the run's keys). During a run no handler writes anything.
class PageWindow {
public:
    PageWindow();

    // Start-up: writes the defaults and returns the option buttons it selects.
    std::vector<std::string> formLoad();
    // A click on an option button or the check box; false for an unknown control or during
    // a run, when nothing is written.
    bool click(const std::string& control);
    // The scroll bar's change; false during a run.
    bool scroll(int value);
    // The frequency box's text; false during a run.
    bool typeFrequency(const std::string& text);
    std::string setting(const std::string& name) const;

    // "Start": false while a run is going on.
    bool start();
    PageAdvance advance();
    void answer(bool yes);
    // A run's key: "Space", "ArrowRight", "PageDown", "Escape"; whether it changed anything.
    bool key(const std::string& name);
    // Closing the page: the run stops where it stands.
    void close();

    bool running() const { return driver_ != nullptr; }
    bool waitingForAnswer() const { return driver_ && driver_->waitingForAnswer(); }
    int state() const { return int(control_.state()); }
    int point() const { return control_.point(); }
    int runCount() const { return int(history_.runs().size()); }
    long drawn() const { return surface_.drawn(); }

    // The whole picture again from the records; the page has cleared the canvas and
    // painted the labels first.
    void redraw();

    const RunHistory& history() const { return history_; }
    const PageSettings& settings() const { return settings_; }

private:
    bool write(Setting setting, std::string_view value);
    void endRun();

    PageSettings settings_;
    CanvasSurface surface_;
    RunHistory history_;
    RunControl control_;
    std::unique_ptr<SimulationRun> run_;
    std::unique_ptr<RunDriver> driver_;
};

} // namespace ravo::web
