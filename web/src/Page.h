// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CanvasSurface.h"
#include "Form.h"
#include "Language.h"
#include "Link.h"
#include "Reading.h"
#include "RunSession.h"
#include "View.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ravo::web {

// What the page is to do after a run has gone on: wait for a pause's end, answer the
// question, show the refusal, wait for a key, go on at once, or nothing more (ended).
struct PageAdvance {
    std::string wait;   // the name of a RunDriver::Wait: "Soon", "Until", ...
    double delayMs = 0; // Until: how long the event loop is to wait
    std::string text;   // Answer, Acknowledge: the question or the refusal, written
};

// What opening a link did: its runs drawn in place of the picture's, or why not (the
// picture then stays as it was).
struct LinkOpened {
    bool opened = false;
    int runs = 0;
    std::string message; // in the page's language: that it opened, or what is wrong with it
};

// The page's program, as frmRavo is the window's: the form its controls write, the run
// session over the page's canvas (through the view that hides marks or gives them shapes),
// the cursor that reads the picture from mark to mark, and the translations of the page's
// language, in which it writes every text the page shows. The script shows what it reads
// from here and hands every use of a control and every key to it.
class Page {
public:
    Page();

    // The language: its code, and its translations as the page carries them.
    struct Entry {
        std::string context, source, comment;
        std::vector<std::string> forms;
    };
    void setLanguage(std::string_view code, const std::vector<Entry>& entries);
    const Catalog& translator() const { return catalog_; }
    std::string write(const Text& text) const { return catalog_.write(text); }

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    RunSession& session() { return session_; }
    const RunSession& session() const { return session_; }
    const RunHistory& history() const { return session_.history(); }
    CanvasSurface& surface() { return surface_; }
    const CanvasSurface& surface() const { return surface_; }

    // The colour of each role in the palette shown (see CanvasSurface::setColours).
    void setColours(const std::array<std::uint32_t, roleCount>& colours);

    // How the picture is shown. Whether it is to be drawn again from the records: marks by
    // shape or hidden changed (projector colours and the legend are the script's to show).
    const ViewOptions& view() const { return view_.options(); }
    bool setView(const ViewOptions& options);

    // The cursor that walks from mark to mark, and where it stands now.
    MarkCursor& cursor() { return cursor_; }
    const MarkCursor& cursor() const { return cursor_; }

    // The picture in sentences, and what is said when a run has ended; each written.
    std::vector<std::string> description() const;
    std::string runEnded() const;

    // The picture as a link, as the window writes it.
    std::string link() const { return writeLink(linkOf(history(), view())); }
    // A link's runs in place of the picture's, and its view; the page then draws the
    // picture again from the records. Nothing changes where it is no link, or during a run.
    LinkOpened openLink(std::string_view text);
    // Brings back what the last run's "Yes" to "Delete probability" erased, before the next
    // run; the page then draws the picture again.
    bool undoErase();

    // Told after every change of a setting, a check mark or the scroll bar.
    void onChange(std::function<void()> listener) { changed_ = std::move(listener); }

    // A text box's text: the setting it holds, the dispersion's word in the page's language.
    std::string shownText(std::string_view control) const;

    // The run.
    bool start() { return session_.start(); }
    PageAdvance advance();
    // The run's key, as RunSession::commandFor names it: "ToggleHold", "CopyData", ...
    std::string commandFor(const KeyPress& key) const;
    // Holds, steps or stops the run; whether that changed it.
    bool command(std::string_view name);
    std::string state() const;
    // "Ends Ravo"; a run stops where it stands.
    void close() {
        session_.close();
        surface_.present();
    }
    // The whole picture again from the records; the page has painted its ground and the
    // labels first.
    void redraw();

    // The whole picture again from the records, on the page's second canvas and a run at a
    // time, so that a picture of many kept runs is drawn anew at another size without
    // holding the page: renewBegin, then renewStep until it says that every run is drawn.
    // The last run is drawn in the same step that says so, so that a run going on meanwhile
    // is drawn as far as it stands; the page then shows the second canvas. A drawing that a
    // later run's erase paints over is left out: it would not be seen.
    void renewBegin();
    // Draws runs until `budgetMs` have passed (at least `atLeast` of them); whether all are.
    bool renewStep(double budgetMs, int atLeast);
    // The runs drawn anew so far.
    int renewed() const { return int(renewNext_); }

private:
    Catalog catalog_;
    Form form_;
    CanvasSurface surface_;
    ViewSurface view_{surface_};
    CanvasSurface renewSurface_{CanvasSurface::Renewed};
    ViewSurface renewView_{renewSurface_};
    std::size_t renewNext_ = 0;
    RunSession session_;
    MarkCursor cursor_{session_.history()};
    std::function<void()> changed_;
};

} // namespace ravo::web
