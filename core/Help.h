// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Settings.h"
#include "Text.h"

#include <span>
#include <string_view>
#include <vector>

namespace ravo {

// What a shown control does, for its tooltip and for assistive technology: a short name,
// and a sentence that says what it sets, with the current value where it has one.
struct ControlHelp {
    const char* control;
    const char* accessibleName; // in the context "ControlHelp"
    Text (*text)(const SettingsAccess& settings); // or nullptr for the fixed text
    const char* fixedText = nullptr;               // in the context "ControlHelp"

    Text textFor(const SettingsAccess& settings) const;
    Text name() const { return Text("ControlHelp", accessibleName); }
};

std::span<const ControlHelp> controlHelp();
const ControlHelp* helpFor(std::string_view control);

// The word the dispersion display shows for its setting: "Yes" or "No" in the reader's
// language, any other text as it is.
Text dispersionDisplay(const std::string& word);

// "Slow-down 37: 0.0037 s per detector point, about 0.315 s a run".
Text slowDownHelp(int value);

// The keys and the mouse, as F1 lists them: what to press, and what it does.
struct KeyHelp {
    Text keys;
    Text does;
};
std::vector<KeyHelp> keysHelp();
Text keysHelpTitle();

// The picture's menu, as both faces build it.
struct MenuEntry {
    enum class Id {
        CopyPicture,
        CopyData,
        CopyLink,
        OpenLink,
        UndoErase,
        Projector,
        Shapes,    // marks by shape
        HideMarks,
        Legend,
        Pace,      // a submenu of the three paces
        Language,  // a submenu of the languages
        Listen,
        KeysHelp,
        Separator,
    };
    Id id;
    Text label;
    const char* shortcut = nullptr; // as a face shows it, "Ctrl+C"
    bool checkable = false;
};
std::vector<MenuEntry> pictureMenu();

// "Listen" where no sound device was found, and the word that refuses it during a run.
Text listenWithoutSound();
Text listenDuringRun();
// The notices of the links and of undoing an erase.
Text linkCopied();
Text linkOpened(int runs);
Text nothingToUndo();
Text eraseUndone();

// The paces of the Pace menu, as the scroll bar sets them.
struct Pace {
    Text name;
    int slowDown;
};
std::vector<Pace> paces();

// What the browser page says that the window does not, or says otherwise: a page cannot
// always close its own tab, it copies through the browser, which may refuse, and its boxes
// and inner windows have buttons of their own. Those the window says too are the window's
// own sentences.
enum class PageText {
    ExitHelp,         // the help of "Exit" on the page
    CloseTab,         // "Exit" where the browser keeps the tab open
    Close,            // the close button of the inspector and of the list of keys
    Ok,               // the button that acknowledges the refusal
    Yes,              // the question's buttons, as the window's
    No,
    Picture,          // the picture's accessible name, as the window's
    PictureCopied,
    DataCopied,
    NoPictureCopy,    // a browser that cannot put a picture on the clipboard
    NoTextCopy,
    PictureNotCopied, // %1: the browser's reason
    DataNotCopied,    // %1: the browser's reason
    RunKeys,          // the run's buttons beside the picture, as a group
    Hold,             // its buttons: hold a running run, let a held one go on, ...
    GoOn,
    Step,
    Stop,
    HoldHelp,         // ... and what each does, with its key
    StepHelp,
    StopHelp,
    FullScreen,       // the page fills the screen, or leaves it
    LeaveFullScreen,
    DownloadPicture,  // the picture's menu: the picture as a file, and the data as one
    DownloadData,
    PreviousPoint,    // the point inspector's buttons to the neighbouring points
    NextPoint,
};
Text pageText(PageText which);

// What the browser page says about links that the window does not: where the browser does
// not let a page read the clipboard, the page asks for the link in a small box of its own.
enum class PageLinkText {
    Field,     // the box's text field
    Open,      // its buttons
    Cancel,
    NotCopied, // %1: the browser's reason
};
Text pageLinkText(PageLinkText which);

} // namespace ravo
