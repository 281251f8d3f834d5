// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's script sees of the program: the window, its run and its records.
#include "CanvasSurface.h"
#include "MarkTable.h"
#include "PageWindow.h"
#include "PointDetails.h"
#include "SimulationRun.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

namespace ravo::web {

namespace {

std::vector<std::string> palette() {
    std::vector<std::string> colours(designColours().begin(), designColours().end());
    return colours;
}

// Every shown mark as an object of the table's columns, in the order drawn.
emscripten::val marks(const PageWindow& window) {
    emscripten::val rows = emscripten::val::array();
    int n = 0;
    for (const MarkRow& row : markRows(window.history())) {
        emscripten::val out = emscripten::val::object();
        out.set("run", row.run);
        out.set("colour", row.colour);
        out.set("frequency", row.frequency);
        out.set("dispersion", row.dispersion);
        out.set("radius", row.radius);
        out.set("refractiveIndex", row.refractiveIndex);
        out.set("wholeLens", row.wholeLens);
        out.set("aperture", row.aperture);
        out.set("point", row.point);
        out.set("x", row.x);
        out.set("probability", row.probability);
        out.set("markHeight", row.markHeight);
        rows.set(n++, out);
    }
    return rows;
}

// The marks under design point (x, y), newest first, as objects the page words.
emscripten::val readout(const PageWindow& window, double x, double y) {
    emscripten::val lines = emscripten::val::array();
    int n = 0;
    for (const ReadoutLine& line : readoutAt(window.history(), x, y)) {
        emscripten::val out = emscripten::val::object();
        out.set("point", line.point);
        out.set("x", line.x);
        out.set("probability", line.probability);
        out.set("colour", line.colour);
        out.set("frequency", line.frequency);
        out.set("dispersion", line.dispersion);
        out.set("radius", line.radius);
        out.set("refractiveIndex", line.refractiveIndex);
        out.set("aperture", line.aperture);
        out.set("wholeLens", line.wholeLens);
        lines.set(n++, out);
    }
    return lines;
}

// The last run's peak, or null before a run has drawn a point.
emscripten::val description(const PageWindow& window) {
    const PeakText peak = pictureDescription(window.history());
    if (!peak.found)
        return emscripten::val::null();
    emscripten::val out = emscripten::val::object();
    out.set("colour", peak.colour);
    out.set("frequency", peak.frequency);
    out.set("probability", peak.probability);
    out.set("x", peak.x);
    return out;
}

emscripten::val numbers(const std::vector<double>& values) {
    emscripten::val array = emscripten::val::array();
    for (std::size_t i = 0; i < values.size(); ++i)
        array.set(i, values[i]);
    return array;
}

// The shown mark under design point (x, y) as {run, index}, both from 0; null where none.
emscripten::val markAt(const PageWindow& window, double x, double y) {
    const auto mark = inspectedMarkAt(window.history(), x, y);
    if (!mark)
        return emscripten::val::null();
    emscripten::val place = emscripten::val::object();
    place.set("run", int(mark->first));
    place.set("index", int(mark->second));
    return place;
}

bool canInspect(const PageWindow& window, int run, int index) {
    return run >= 0 && index >= 0 &&
           inspectable(window.history(), std::size_t(run), std::size_t(index));
}

// Everything the point inspector shows of point `index` of run `run`; null where that
// point's mark is not shown (any more).
emscripten::val inspection(const PageWindow& window, int run, int index) {
    if (!canInspect(window, run, index))
        return emscripten::val::null();
    const auto found = inspect(window.history(), std::size_t(run), std::size_t(index));
    if (!found)
        return emscripten::val::null();
    const PointDetails& p = *found;
    emscripten::val out = emscripten::val::object();
    out.set("run", run);
    out.set("index", index);
    out.set("point", p.point);
    out.set("pointCount", p.pointCount);
    out.set("x", p.x);
    out.set("probability", p.probability);
    out.set("length", p.length);
    out.set("factor", p.factor);
    out.set("colour", colourName(Light(p.light)));
    out.set("markRole", p.markRole);
    out.set("frequency", p.frequency);
    out.set("dispersion", p.dispersion);
    out.set("radius", p.radius);
    out.set("refractiveIndex", p.index);
    out.set("aperture", p.aperture);
    out.set("wholeLens", p.wholeLens);
    out.set("y", numbers(p.y));
    out.set("time", numbers(p.time));
    out.set("phase", numbers(p.phase));
    out.set("dx", numbers(p.dx));
    out.set("dy", numbers(p.dy));
    out.set("spiralX", numbers(p.spiralX));
    out.set("spiralY", numbers(p.spiralY));
    out.set("leastTime", p.leastTime);
    out.set("resultantX", p.resultantX);
    out.set("resultantY", p.resultantY);
    out.set("shortestTime", p.shortestTime);
    out.set("longestTime", p.longestTime);
    out.set("table", p.table);
    return out;
}

// The roles of the inspector's drawing, as indices into palette().
emscripten::val inspectorRoles() {
    emscripten::val roles = emscripten::val::object();
    roles.set("axis", int(Role::Axis));
    roles.set("baseLine", int(Role::BaseLine));
    roles.set("spiral", int(Role::Spiral));
    roles.set("resultant", int(Role::Resultant));
    roles.set("arrow", int(Role::Arrow));
    return roles;
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
        .function("marks", &marks)
        .function("readoutAt", &readout)
        .function("pictureDescription", &description)
        .function("markAt", &markAt)
        .function("canInspect", &canInspect)
        .function("inspection", &inspection);
    function("palette", &palette);
    function("groundColour", optional_override([] { return std::string(groundColour); }));
    function("slowDownText", &slowDownText);
    function("frequencyRefusal", &frequencyRefusalText);
    function("deleteQuestion", &deleteQuestionText);
    constant("detectorCount", int(SimulationRun::detectorCount));
    function("inspectorRoles", &inspectorRoles);
}

} // namespace ravo::web
