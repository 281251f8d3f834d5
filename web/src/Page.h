// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CanvasSurface.h"
#include "Form.h"
#include "Language.h"
#include "RunSession.h"

#include <chrono>
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

// The page's program, as frmRavo is the window's: the form its controls write, the run
// session over the page's canvas, and the translations of the page's language, in which
// it writes every text the page shows. The script shows what it reads from here and hands
// every use of a control and every key to it.
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

private:
    Catalog catalog_;
    Form form_;
    CanvasSurface surface_;
    RunSession session_;
    std::function<void()> changed_;
};

} // namespace ravo::web
