// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Settings.h"
#include "Text.h"

#include <span>
#include <string>
#include <string_view>

namespace ravo {

// The design: the client area in which every control and the whole picture stand, in
// pixels (the picture's frameRight and frameHeight).
inline constexpr int designWidth = 800;
inline constexpr int designHeight = 581;
// The smallest zoom of the design: below it nothing is readable any more.
inline constexpr double minimumZoom = 0.5;
// The smallest zoom at which the texts stay readable (no text below 8 pixels): a window is
// not made smaller where its screen has room for it.
inline constexpr double readableZoom = 0.8;

enum class ControlKind { Label, PushButton, ScrollBar, Frame, TextBox, OptionButton, CheckBox };

enum class FontRole {
    Default,     // the window's font: sans serif 8.25 pt
    DefaultBold, // the dispersion display
    Title,       // serif 15.75 pt bold, the two labels
    Button,      // serif 14.25 pt bold, "Start" and "Exit"
    Caption,     // sans serif 12 pt, the caption boxes over the drawing
};

enum class TextBoxRole {
    None,
    Editable, // the frequency display, which can be typed in
    Display,  // the disabled dispersion display
    Caption,  // a caption that appears over the drawing after a run
    Hidden,   // a setting field that is never shown
};

// The face of a control: the window's ground, or a colour of its own.
enum class ColourRole { Ground, White, RedLight, GreenLight, BlueLight };

// A rectangle in design pixels.
struct Rect {
    int x, y, width, height;
    bool operator==(const Rect&) const = default;
};

// What using a control does.
struct Effect {
    enum class Kind {
        None,
        Write,          // writes `setting` := `value`
        FlipDispersion, // nDisperze: "Yes" becomes "No", anything else "Yes"
        WriteScroll,    // nSpomaleni := the scroll bar's value as integer text
        Start,          // a run
        Exit,           // the window closes
    };
    Kind kind = Kind::None;
    Setting setting = Setting::nStart;
    std::string_view word; // a setting word or an integer's text; empty: `number`'s text
    double number = 0;

    // The text a Write puts into its setting.
    std::string value() const;
};

// One control of the window. Positions are design pixels relative to the container: the
// client area for controls on the window, the frame for controls inside one.
struct ControlEntry {
    const char* name;
    ControlKind kind;
    const char* container; // nullptr: on the window
    Text::Phrase caption;  // in the context "ControlTable"; not translated where it is a
                           // setting field's placeholder or a hidden group's
    Rect geometry;
    int tabIndex;
    bool shownAtStart;
    FontRole font = FontRole::Default;
    TextBoxRole textBox = TextBoxRole::None;
    ColourRole colour = ColourRole::Ground;
    Effect effect = {};

    // The caption as the reader reads it (a setting field's placeholder has no
    // translation, and stays as it is).
    Text captionText() const { return Text("ControlTable", caption); }
};

// Every control of frmRavo, containers before their contents, rows of a frame from top
// to bottom.
std::span<const ControlEntry> controlTable();
// The control of that name; null for a name the window lacks.
const ControlEntry* findControl(std::string_view name);
// The control's top-left corner in the client area, frames' places added.
Rect onWindow(const ControlEntry& entry);

// The start-up: select this option button, or write this setting directly.
struct StartStep {
    const char* select; // nullptr: write
    Setting setting;
    std::string_view value;
};
std::span<const StartStep> startUp();

} // namespace ravo
