// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Palette.h"

#include <QColor>
#include <QRect>

#include <span>

namespace ravo {

class frmRavo;

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

// A control's caption as written, and, where one word means different things in different
// frames, a note for the translator that tells them apart.
struct Caption {
    const char* source;
    const char* comment = nullptr;
};

// One control of the window. Positions are pixels relative to the container: the client
// area for controls on the window, the frame for controls inside one.
struct ControlEntry {
    const char* name;
    ControlKind kind;
    const char* container; // nullptr: on the window
    Caption text;
    QRect geometry;
    int tabIndex;
    bool shownAtStart;
    FontRole font = FontRole::Default;
    TextBoxRole textBox = TextBoxRole::None;
    QColor background = Palette::design().ground;
    // The window's handler of the control's Click (option buttons, the check box, push
    // buttons), or of the scroll bar's Change; none for other controls.
    void (frmRavo::*handler)() = nullptr;
};

// Every control of frmRavo, containers before their contents, rows of a frame from top
// to bottom.
std::span<const ControlEntry> controlTable();

} // namespace ravo
