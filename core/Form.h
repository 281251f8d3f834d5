// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"
#include "Settings.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ravo {

// The window's controls as data: which option of each group is selected, whether the check
// box is checked, where the scroll bar stands, and the settings record that they write. A
// face shows this state and hands every use of a control to it; while `locked` (a run goes
// on) nothing is written, and the face shows the state again as it stands.
class Form {
public:
    Form();

    SettingsRecord& settings() { return settings_; }
    const SettingsRecord& settings() const { return settings_; }

    // Start-up: selects the default option of each group (which writes its setting) and
    // writes the rest.
    void load();

    // A click on an option button, the check box or a push button; a push button's effect
    // is the caller's (Start, Exit). Whether anything was written.
    bool click(std::string_view control);
    // The scroll bar's change (once, when a drag ends): nSpomaleni := its value.
    bool scroll(int value);
    // Text typed into the frequency box: it is the setting the next run reads.
    bool type(std::string_view text);

    // The controls as they would stand had the user set these settings: the option of each
    // group that writes its value selected, the check mark on for "Yes", the scroll bar at
    // the slow-down; a frequency text that no colour button writes as typed (the colour's
    // option stays as it was). Every setting, nStart too, becomes the given one.
    void restore(const SettingsAccess& settings);

    // Whether the option button (or the check box) shows as chosen.
    bool checked(std::string_view control) const;
    int scrollValue() const { return scrollValue_; }
    // The option selected in a frame; empty before start-up.
    std::string selected(std::string_view frame) const;

    // While set, no use of a control writes anything (a run holds the settings still).
    void setLocked(bool locked) { locked_ = locked; }
    bool locked() const { return locked_; }

    // Told after every change of a check mark or the scroll bar (a setting's change is told
    // by the record).
    void listen(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

private:
    void select(const ControlEntry& option);
    void changed();

    SettingsRecord settings_;
    std::map<std::string, std::string, std::less<>> selected_; // frame: option
    bool dispersionChecked_ = true;
    int scrollValue_ = 1;
    bool locked_ = false;
    std::vector<std::function<void()>> listeners_;
};

} // namespace ravo
