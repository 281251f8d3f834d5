// SPDX-License-Identifier: GPL-3.0-or-later
#include "Help.h"

#include "RunControl.h"
#include "SceneGeometry.h"
#include "SimulationRun.h"

#include <chrono>
#include <cmath>
#include <string>

namespace ravo {

namespace {

Text help(const char* source) {
    return Text("ControlHelp", source);
}

bool dispersionOn(const SettingsAccess& settings) {
    return settings.text(Setting::nDisperze) == words::yes;
}

// clang-format off
const ControlHelp helpEntries[] = {
    {"cmdStart", QT_TRANSLATE_NOOP("ControlHelp", "Start"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Starts a run. During a run: Space holds it and releases it again, Right arrow "
           "or Page Down draws the next detector point of a held run, Escape stops it.")},
    {"cmdKonec", QT_TRANSLATE_NOOP("ControlHelp", "Exit"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Closes Ravo (Ctrl+Q). Nothing is saved.")},
    {"HScroll1", QT_TRANSLATE_NOOP("ControlHelp", "Slow-down"),
     [](const SettingsAccess& s) {
         return slowDownHelp(int(std::lround(s.number(Setting::nSpomaleni))));
     }},
    {"frmPoloměrLupy", QT_TRANSLATE_NOOP("ControlHelp", "Radius of lens"),
     [](const SettingsAccess& s) {
         return help(QT_TRANSLATE_NOOP("ControlHelp", "Radius of the lens's curved face, now %1 pixels: Great 500, Middle 450, "
                    "Small 400.")).arg(s.text(Setting::nPoloměr));
     }},
    {"opVelký", QT_TRANSLATE_NOOP("ControlHelp", "Radius of lens: Great"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Radius of the lens: 500 pixels.")},
    {"opStřední", QT_TRANSLATE_NOOP("ControlHelp", "Radius of lens: Middle"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Radius of the lens: 450 pixels.")},
    {"opMalý", QT_TRANSLATE_NOOP("ControlHelp", "Radius of lens: Small"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Radius of the lens: 400 pixels.")},
    {"frmKmitočet", QT_TRANSLATE_NOOP("ControlHelp", "Frequency - colour"),
     [](const SettingsAccess& s) {
         return help(QT_TRANSLATE_NOOP("ControlHelp", "Colour of the light, now frequency %1: Red 0.5, Green 0.75, Blue 1."))
             .arg(s.text(Setting::nKmitočet));
     }},
    {"opČervený", QT_TRANSLATE_NOOP("ControlHelp", "Frequency - colour: Red"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Red light: frequency 0.5.")},
    {"OpZelená", QT_TRANSLATE_NOOP("ControlHelp", "Frequency - colour: Green"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Green light: frequency 0.75.")},
    {"opModrý", QT_TRANSLATE_NOOP("ControlHelp", "Frequency - colour: Blue"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Blue light: frequency 1.")},
    {"nKmitočet", QT_TRANSLATE_NOOP("ControlHelp", "Frequency"),
     [](const SettingsAccess& s) {
         return help(QT_TRANSLATE_NOOP("ControlHelp", "Frequency of the light, now %1. The colour buttons write 0.5 (red), "
                    "0.75 (green) and 1 (blue), and the glass slows the light only for exactly "
                    "these texts. Another number, even 1.0 or .5, turns the arrows at its own "
                    "rate, but the glass adds no time and the lens does not focus; the mark of a "
                    "colour is drawn where the number equals 0.5, 0.75 or 1. Numbers are written "
                    "with a decimal point.")).arg(s.text(Setting::nKmitočet));
     }},
    {"frmIndex", QT_TRANSLATE_NOOP("ControlHelp", "Refractive index"),
     [](const SettingsAccess& s) {
         return help(QT_TRANSLATE_NOOP("ControlHelp", "Refractive index of the glass, now %1: Great 1, Middle 0.98, Small 0.96."))
             .arg(s.text(Setting::nIndex));
     }},
    {"opIndexVelký", QT_TRANSLATE_NOOP("ControlHelp", "Refractive index: Great"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Refractive index 1.")},
    {"opIndexStřední", QT_TRANSLATE_NOOP("ControlHelp", "Refractive index: Middle"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Refractive index 0.98.")},
    {"opIndexMalý", QT_TRANSLATE_NOOP("ControlHelp", "Refractive index: Small"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Refractive index 0.96.")},
    {"chDisperze", QT_TRANSLATE_NOOP("ControlHelp", "Dispersion"),
     [](const SettingsAccess& s) {
         return dispersionOn(s)
                    ? help(QT_TRANSLATE_NOOP("ControlHelp", "Dispersion, now on: the glass slows red and green light "
                                         "less than blue."))
                    : help(QT_TRANSLATE_NOOP("ControlHelp", "Dispersion, now off: the glass slows every colour alike. "
                                         "When on, it slows red and green light less than blue."));
     }},
    {"nDisperze", QT_TRANSLATE_NOOP("ControlHelp", "Dispersion"),
     [](const SettingsAccess& s) {
         return dispersionOn(s) ? help(QT_TRANSLATE_NOOP("ControlHelp", "Dispersion is on."))
                                : help(QT_TRANSLATE_NOOP("ControlHelp", "Dispersion is off."));
     }},
    {"frmZobrazení", QT_TRANSLATE_NOOP("ControlHelp", "Mapping"),
     [](const SettingsAccess& s) {
         const std::string kind = s.text(Setting::nZobrazení);
         if (kind == words::dots)
             return help(QT_TRANSLATE_NOOP("ControlHelp",
                 "Probabilities are marked as dots, which can stay from run to run."));
         if (kind == words::bars)
             return help(QT_TRANSLATE_NOOP("ControlHelp", "Probabilities are marked as bars, which every run erases."));
         return help(QT_TRANSLATE_NOOP("ControlHelp", "Probabilities are not marked."));
     }},
    {"opBody", QT_TRANSLATE_NOOP("ControlHelp", "Mapping: Dots"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Probabilities as dots; answer \"No\" to \"Delete probability\" to keep "
           "the dots of earlier runs.")},
    {"opPruhy", QT_TRANSLATE_NOOP("ControlHelp", "Mapping: Bars"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Probabilities as bars rising from the base line; every run erases the old ones.")},
    {"frmClona", QT_TRANSLATE_NOOP("ControlHelp", "Aperture"),
     [](const SettingsAccess& s) {
         return help(QT_TRANSLATE_NOOP("ControlHelp", "Aperture: the blades close %1 pixels at each edge of the lens (Great 0, "
                    "Middle 50, Small 100).")).arg(s.text(Setting::nClona));
     }},
    {"opClonaŠiroká", QT_TRANSLATE_NOOP("ControlHelp", "Aperture: Great"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "The blades close nothing: every path is open.")},
    {"opClonaUy39", QT_TRANSLATE_NOOP("ControlHelp", "Aperture: Middle"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "The blades close 50 pixels at each edge.")},
    {"opClonaUzka", QT_TRANSLATE_NOOP("ControlHelp", "Aperture: Small"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "The blades close 100 pixels at each edge.")},
    {"frmPůlLupy", QT_TRANSLATE_NOOP("ControlHelp", "Half lens"),
     [](const SettingsAccess& s) {
         return isWholeLens(s.number(Setting::nPůlLupy))
                    ? help(QT_TRANSLATE_NOOP("ControlHelp", "The whole lens is open now."))
                    : help(QT_TRANSLATE_NOOP("ControlHelp", "Only the upper half of the lens is open now."));
     }},
    {"opPůlNe", QT_TRANSLATE_NOOP("ControlHelp", "Half lens: No"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "The whole lens is open.")},
    {"opPůlAno", QT_TRANSLATE_NOOP("ControlHelp", "Half lens: Yes"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Only the upper half of the lens is open.")},
    {"nPravděpodobnost", QT_TRANSLATE_NOOP("ControlHelp", "Probability"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Above the base line: the probability that light arrives at each detector point.")},
    {"nSoučetRadiusvektorů", QT_TRANSLATE_NOOP("ControlHelp", "Cornu spirals - Vector sum"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "Below the axis: each detector point's arrows added head to tail, and their green "
           "sum.")},
    {"nClonaOtvor", QT_TRANSLATE_NOOP("ControlHelp", "Screen"),
     nullptr, QT_TRANSLATE_NOOP("ControlHelp", "The aperture: the blades in front of the flat face of the lens.")},
};
// clang-format on

} // namespace

Text ControlHelp::textFor(const SettingsAccess& settings) const {
    return text ? text(settings) : help(fixedText);
}

std::span<const ControlHelp> controlHelp() {
    return helpEntries;
}

const ControlHelp* helpFor(std::string_view control) {
    for (const ControlHelp& entry : helpEntries)
        if (control == entry.control)
            return &entry;
    return nullptr;
}

Text slowDownHelp(int value) {
    using Seconds = std::chrono::duration<double>;
    const double pause = Seconds(RunControl::duration(RunControl::stepsFor(value))).count();
    const double run = pause * SimulationRun::detectorCount;
    const auto figures = [](double v) { return Number{v, Number::threeFigures}; };
    return help(QT_TRANSLATE_NOOP("ControlHelp",
                                  "Slow-down %1: %2 s per detector point, about %3 s a run"))
        .arg(Number{double(value), 0})
        .arg(figures(pause))
        .arg(figures(run));
}

Text dispersionDisplay(const std::string& word) {
    if (word == words::yes)
        return Text("frmRavo", QT_TRANSLATE_NOOP3("frmRavo", "Yes", "the dispersion display, 25 pixels"));
    if (word == words::no)
        return Text("frmRavo", QT_TRANSLATE_NOOP3("frmRavo", "No", "the dispersion display, 25 pixels"));
    return Text::verbatim(word);
}

Text keysHelpTitle() {
    return Text("KeysHelp", QT_TRANSLATE_NOOP("KeysHelp", "Ravo - keys and mouse"));
}

std::vector<KeyHelp> keysHelp() {
    const std::pair<const char*, const char*> rows[] = {
        {QT_TRANSLATE_NOOP("KeysHelp", "Space"),
         QT_TRANSLATE_NOOP("KeysHelp", "holds a run, and lets it go on again")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Right arrow, Page Down"),
         QT_TRANSLATE_NOOP("KeysHelp", "draws one more detector point of a held run")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Escape"),
         QT_TRANSLATE_NOOP("KeysHelp", "stops a run, keeping what it drew")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Ctrl+C"), QT_TRANSLATE_NOOP("KeysHelp", "copies the picture")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Ctrl+Shift+C"),
         QT_TRANSLATE_NOOP("KeysHelp", "copies the marks as a table, for a spreadsheet")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Ctrl+Q"), QT_TRANSLATE_NOOP("KeysHelp", "closes Ravo")},
        {QT_TRANSLATE_NOOP("KeysHelp", "F11"), QT_TRANSLATE_NOOP("KeysHelp", "full screen, and back")},
        {QT_TRANSLATE_NOOP("KeysHelp", "F1"), QT_TRANSLATE_NOOP("KeysHelp", "this help")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Resting the mouse on a mark"),
         QT_TRANSLATE_NOOP("KeysHelp", "shows its point, x, P and its run's settings")},
        {QT_TRANSLATE_NOOP("KeysHelp", "A click on a mark"),
         QT_TRANSLATE_NOOP("KeysHelp", "looks inside that detector point: its paths and spiral")},
        {QT_TRANSLATE_NOOP("KeysHelp", "A right click on the picture"),
         QT_TRANSLATE_NOOP("KeysHelp", "the menu: copy, projector colours, pace, language")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Tab to the picture, then arrows"),
         QT_TRANSLATE_NOOP("KeysHelp", "from mark to mark: Left and Right along a run, Home and End to its ends, Up and Down to another run")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Return on a mark"),
         QT_TRANSLATE_NOOP("KeysHelp", "looks inside its detector point; Escape comes back")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Menu key, Shift+F10"),
         QT_TRANSLATE_NOOP("KeysHelp", "the picture's menu, at the mark")},
        {QT_TRANSLATE_NOOP("KeysHelp", "L"),
         QT_TRANSLATE_NOOP("KeysHelp", "listens to the run: a tone for each point, higher for a higher P")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Ctrl+L, Ctrl+V"),
         QT_TRANSLATE_NOOP("KeysHelp", "copies the picture as a link, and opens a link")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Ctrl+Z"),
         QT_TRANSLATE_NOOP("KeysHelp", "brings back the marks that \"Yes\" to \"Delete probability\" erased")},
    };
    std::vector<KeyHelp> out;
    for (const auto& [keys, does] : rows)
        out.push_back({Text("KeysHelp", keys), Text("KeysHelp", does)});
    return out;
}

std::vector<MenuEntry> pictureMenu() {
    using Id = MenuEntry::Id;
    const auto menu = [](const char* source) { return Text("frmRavo", source); };
    return {
        {Id::CopyPicture, menu(QT_TRANSLATE_NOOP("frmRavo", "Copy picture")), "Ctrl+C"},
        {Id::CopyData, menu(QT_TRANSLATE_NOOP("frmRavo", "Copy data")), "Ctrl+Shift+C"},
        {Id::CopyLink, menu(QT_TRANSLATE_NOOP("frmRavo", "Copy link")), "Ctrl+L"},
        {Id::OpenLink, menu(QT_TRANSLATE_NOOP("frmRavo", "Open link")), "Ctrl+V"},
        {Id::UndoErase, menu(QT_TRANSLATE_NOOP("frmRavo", "Undo erase")), "Ctrl+Z"},
        {Id::Separator, {}},
        {Id::Projector, menu(QT_TRANSLATE_NOOP("frmRavo", "Projector colours")), nullptr, true},
        {Id::Shapes, menu(QT_TRANSLATE_NOOP("frmRavo", "Marks by shape")), nullptr, true},
        {Id::HideMarks, menu(QT_TRANSLATE_NOOP("frmRavo", "Hide marks")), nullptr, true},
        {Id::Legend, menu(QT_TRANSLATE_NOOP("frmRavo", "Legend")), nullptr, true},
        {Id::Pace, menu(QT_TRANSLATE_NOOP("frmRavo", "Pace"))},
        {Id::Language, menu(QT_TRANSLATE_NOOP("frmRavo", "Language"))},
        {Id::Separator, {}},
        {Id::Listen, menu(QT_TRANSLATE_NOOP("frmRavo", "Listen")), "L"},
        {Id::KeysHelp, menu(QT_TRANSLATE_NOOP("frmRavo", "Keys and mouse")), "F1"},
    };
}

Text listenWithoutSound() {
    return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Listen: no sound device was found"));
}

Text listenDuringRun() {
    return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Listening waits until the run has ended."));
}

Text linkCopied() {
    return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "The picture was copied as a link."));
}

Text linkOpened(int runs) {
    return Text("frmRavo", QT_TRANSLATE_N_NOOP("frmRavo", "Opened a link of %n run(s)."), nullptr, runs);
}

Text nothingToUndo() {
    return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "There is no erase to undo: only the last run's \"Yes\" to \"Delete probability\", before the next run."));
}

Text eraseUndone() {
    return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "The erased marks are back."));
}

std::vector<Pace> paces() {
    return {{Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Fast")), 1},
            {Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Slower")), 5000},
            {Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Slow")), 10000}};
}

Text pageText(PageText which) {
    const auto page = [](const char* source) { return Text("ravo-page", source); };
    switch (which) {
    case PageText::ExitHelp:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Ends Ravo: closes its tab where the browser "
                                                   "lets a page do that. Nothing is saved."));
    case PageText::CloseTab:
        return page(QT_TRANSLATE_NOOP("ravo-page", "To end Ravo, close this tab."));
    case PageText::Close:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Close (Esc)"));
    case PageText::Ok:
        return page(QT_TRANSLATE_NOOP("ravo-page", "OK"));
    case PageText::Yes:
        return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Yes"));
    case PageText::No:
        return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "No"));
    case PageText::Picture:
        return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "Picture"));
    case PageText::PictureCopied:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Picture copied"));
    case PageText::DataCopied:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Data copied"));
    case PageText::NoPictureCopy:
        return page(QT_TRANSLATE_NOOP("ravo-page", "This browser cannot copy pictures."));
    case PageText::NoTextCopy:
        return page(QT_TRANSLATE_NOOP("ravo-page", "This browser cannot copy text."));
    case PageText::PictureNotCopied:
        return page(QT_TRANSLATE_NOOP("ravo-page", "The picture was not copied: %1"));
    case PageText::DataNotCopied:
        return page(QT_TRANSLATE_NOOP("ravo-page", "The data was not copied: %1"));
    case PageText::RunKeys:
        return page(QT_TRANSLATE_NOOP("ravo-page", "The run"));
    case PageText::Hold:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Hold"));
    case PageText::GoOn:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Go on"));
    case PageText::Step:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Step"));
    case PageText::Stop:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Stop"));
    case PageText::HoldHelp:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Holds the run, and lets it go on again "
                                                   "(Space)"));
    case PageText::StepHelp:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Draws the next detector point of a held "
                                                   "run (Right arrow)"));
    case PageText::StopHelp:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Stops the run, keeping what is drawn (Esc)"));
    case PageText::FullScreen:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Full screen"));
    case PageText::LeaveFullScreen:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Leave full screen"));
    case PageText::DownloadPicture:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Download picture"));
    case PageText::DownloadData:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Download data"));
    case PageText::PreviousPoint:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Previous point (Left arrow)"));
    case PageText::NextPoint:
        break;
    }
    return page(QT_TRANSLATE_NOOP("ravo-page", "Next point (Right arrow)"));
}

Text pageLinkText(PageLinkText which) {
    const auto page = [](const char* source) { return Text("ravo-page", source); };
    switch (which) {
    case PageLinkText::Field:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Link to a Ravo picture (Ctrl+V pastes it here):"));
    case PageLinkText::Open:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Open"));
    case PageLinkText::Cancel:
        return page(QT_TRANSLATE_NOOP("ravo-page", "Cancel"));
    case PageLinkText::NotCopied:
        break;
    }
    return page(QT_TRANSLATE_NOOP("ravo-page", "The link was not copied: %1"));
}

} // namespace ravo
