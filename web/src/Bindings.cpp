// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's script sees of the program: the window, its run and its records.
#include "CanvasSurface.h"
#include "MarkTable.h"
#include "PageWindow.h"
#include "SimulationRun.h"

#include <emscripten/bind.h>

#include <string>
#include <vector>

namespace ravo::web {

namespace {

std::vector<std::string> palette() {
    std::vector<std::string> colours(designColours().begin(), designColours().end());
    return colours;
}

std::string marksText(const PageWindow& window) {
    return marksAsText(window.history());
}

std::string readout(const PageWindow& window, double x, double y) {
    return readoutAt(window.history(), x, y);
}

std::string description(const PageWindow& window) {
    return pictureDescription(window.history());
}

std::string frequencyRefusalText() {
    return std::string(frequencyRefusal);
}

std::string deleteQuestionText() {
    return std::string(deleteQuestion);
}

} // namespace

EMSCRIPTEN_BINDINGS(ravo) {
    using namespace emscripten;
    register_vector<std::string>("StringList");
    value_object<PageAdvance>("PageAdvance")
        .field("wait", &PageAdvance::wait)
        .field("delayMs", &PageAdvance::delayMs)
        .field("text", &PageAdvance::text);
    class_<PageWindow>("PageWindow")
        .constructor<>()
        .function("formLoad", &PageWindow::formLoad)
        .function("click", &PageWindow::click)
        .function("scroll", &PageWindow::scroll)
        .function("typeFrequency", &PageWindow::typeFrequency)
        .function("setting", &PageWindow::setting)
        .function("start", &PageWindow::start)
        .function("advance", &PageWindow::advance)
        .function("answer", &PageWindow::answer)
        .function("key", &PageWindow::key)
        .function("close", &PageWindow::close)
        .function("running", &PageWindow::running)
        .function("waitingForAnswer", &PageWindow::waitingForAnswer)
        .function("state", &PageWindow::state)
        .function("point", &PageWindow::point)
        .function("runCount", &PageWindow::runCount)
        .function("drawn", &PageWindow::drawn)
        .function("redraw", &PageWindow::redraw)
        .function("marksText", &marksText)
        .function("readoutAt", &readout)
        .function("pictureDescription", &description);
    function("palette", &palette);
    function("groundColour", optional_override([] { return std::string(groundColour); }));
    function("slowDownText", &slowDownText);
    function("frequencyRefusal", &frequencyRefusalText);
    function("deleteQuestion", &deleteQuestionText);
    constant("detectorCount", int(SimulationRun::detectorCount));
}

} // namespace ravo::web
