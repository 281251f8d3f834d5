// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's script sees of the program: its controls, their form and help, the run,
// the marks, the point inspector's drawing, the colours, fonts, menu, keys and languages,
// every text written in the page's language.
#include "Colours.h"
#include "Controls.h"
#include "Fonts.h"
#include "Help.h"
#include "PointDetail.h"
#include "Language.h"
#include "Legend.h"
#include "Marks.h"
#include "Page.h"
#include "SceneGeometry.h"
#include "SimulationRun.h"
#include "Tones.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ravo::web {

namespace {

using emscripten::val;

// Every text goes to the script as UTF-8 through std::string (the names of the controls
// are Czech).
val str(std::string_view text) {
    return val(std::string(text));
}

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return "Label";
    case ControlKind::PushButton:
        return "PushButton";
    case ControlKind::ScrollBar:
        return "ScrollBar";
    case ControlKind::Frame:
        return "Frame";
    case ControlKind::TextBox:
        return "TextBox";
    case ControlKind::OptionButton:
        return "OptionButton";
    case ControlKind::CheckBox:
        break;
    }
    return "CheckBox";
}

const char* textBoxName(TextBoxRole role) {
    switch (role) {
    case TextBoxRole::None:
        return "None";
    case TextBoxRole::Editable:
        return "Editable";
    case TextBoxRole::Display:
        return "Display";
    case TextBoxRole::Caption:
        return "Caption";
    case TextBoxRole::Hidden:
        break;
    }
    return "Hidden";
}

const char* fontName(FontRole role) {
    switch (role) {
    case FontRole::Default:
        return "Default";
    case FontRole::DefaultBold:
        return "DefaultBold";
    case FontRole::Title:
        return "Title";
    case FontRole::Button:
        return "Button";
    case FontRole::Caption:
        break;
    }
    return "Caption";
}

val rect(const Rect& r) {
    val out = val::array();
    out.set(0, r.x);
    out.set(1, r.y);
    out.set(2, r.width);
    out.set(3, r.height);
    return out;
}

// Every control of the design, containers first, with its caption in the page's language.
val controls(const Page& page) {
    val out = val::array();
    int n = 0;
    for (const ControlEntry& entry : controlTable()) {
        val c = val::object();
        c.set("name", str(entry.name));
        c.set("kind", str(kindName(entry.kind)));
        c.set("container", entry.container ? str(entry.container) : val::null());
        c.set("caption", str(page.write(entry.captionText())));
        c.set("rect", rect(entry.geometry));
        c.set("tab", entry.tabIndex);
        c.set("shown", entry.shownAtStart);
        c.set("font", str(fontName(entry.font)));
        c.set("textBox", str(textBoxName(entry.textBox)));
        c.set("colour", int(entry.colour));
        out.set(n++, c);
    }
    return out;
}

// What each shown control does, for its title and for assistive technology: {control:
// {name, text}}, the text with the settings as they are. A page cannot always close its own
// tab, and Ctrl+Q is the browser's: "Exit" says so.
val help(const Page& page) {
    val out = val::object();
    for (const ControlHelp& entry : controlHelp()) {
        val h = val::object();
        h.set("name", str(page.write(entry.name())));
        const bool exit = std::string_view(entry.control) == "cmdKonec";
        h.set("text", str(page.write(exit ? pageText(PageText::ExitHelp)
                                          : entry.textFor(page.form().settings()))));
        out.set(str(entry.control), h);
    }
    return out;
}

val colours(bool projector) {
    const Colours& c = projector ? Colours::projector() : Colours::design();
    val out = val::object();
    out.set("ground", c.ground.css());
    out.set("text", c.text.css());
    out.set("base", c.base.css());
    out.set("light", c.light.css());
    out.set("midlight", c.midlight.css());
    out.set("dark", c.dark.css());
    out.set("shadow", c.shadow.css());
    val roles = val::array();
    for (std::size_t i = 0; i < c.roles.size(); ++i)
        roles.set(i, c.roles[i].css());
    out.set("roles", roles);
    val faces = val::array();
    for (std::size_t i = 0; i < c.faces.size(); ++i)
        faces.set(i, c.faces[i].css());
    out.set("faces", faces);
    out.set("axis", int(Role::Axis));
    out.set("markRed", int(Role::MarkRed));
    out.set("markGreen", int(Role::MarkGreen));
    return out;
}

// A font of the design by its role's name, at another size in pixels where one is given
// (the status band shrinks its font to fit its text).
std::string fontCss(const std::string& role, int pixels) {
    FontRole chosen = FontRole::Default;
    for (FontRole r : {FontRole::Default, FontRole::DefaultBold, FontRole::Title, FontRole::Button,
                       FontRole::Caption})
        if (role == fontName(r))
            chosen = r;
    TextFont font = fontFor(chosen);
    if (pixels > 0)
        font.pixels = pixels;
    return font.css();
}

val place(MarkPlace at) {
    val out = val::object();
    out.set("run", int(at.run));
    out.set("index", int(at.index));
    return out;
}

bool validPlace(int run, int index) {
    return run >= 0 && index >= 0;
}

val markAt(const Page& page, double x, double y) {
    const auto mark = ravo::markAt(page.history(), x, y);
    return mark ? place(*mark) : val::null();
}

bool canInspect(const Page& page, int run, int index) {
    return validPlace(run, index) &&
           inspectable(page.history(), {std::size_t(run), std::size_t(index)});
}

// The shown mark nearest to design point (x, y), within `reach` design pixels of its dot or
// anywhere along its bar, that can be looked inside: {run, index, x, y} with the point the
// mark stands at (a bar's top); null where none is that near. Of marks equally near, the
// latest run's, as markAt has it.
val nearestMark(const Page& page, double x, double y, double reach) {
    const auto& runs = page.history().runs();
    std::optional<MarkPlace> found;
    double best = reach;
    for (std::size_t r = runs.size(); r-- > 0;) {
        const double base = SceneGeometry::from(runs[r].settings).markBaseY;
        const bool bars = runs[r].markKind() == MarkKind::Bars;
        for (std::size_t p = runs[r].points.size(); p-- > 0;) {
            if (!inspectable(page.history(), {r, p}))
                continue;
            const PointResult& mark = runs[r].points[p].result;
            const double nearestY =
                bars ? std::clamp(y, std::min(mark.markY, base), std::max(mark.markY, base))
                     : mark.markY;
            const double distance = std::hypot(x - mark.x, y - nearestY);
            if (distance < best || (distance == best && !found)) {
                best = distance;
                found = MarkPlace{r, p};
            }
        }
    }
    if (!found)
        return val::null();
    const PointResult& mark = runs[found->run].points[found->index].result;
    val out = place(*found);
    out.set("x", mark.x);
    out.set("y", mark.markY);
    return out;
}

// The colour of each role of the palette shown, for the canvas's surface.
void useColours(Page& page, bool projector) {
    const Colours& c = projector ? Colours::projector() : Colours::design();
    std::array<std::uint32_t, roleCount> colours{};
    for (std::size_t i = 0; i < roleCount; ++i)
        colours[i] = std::uint32_t(c.roles[i].r) << 16 | std::uint32_t(c.roles[i].g) << 8 |
                     c.roles[i].b;
    page.setColours(colours);
}

std::string readout(const Page& page, double x, double y) {
    std::string out;
    for (const Text& line : readoutAt(page.history(), x, y)) {
        if (!out.empty())
            out += '\n';
        out += page.write(line);
    }
    return out;
}

const char* shapeKind(Inspection::Shape::Kind kind) {
    switch (kind) {
    case Inspection::Shape::Kind::Line:
        return "Line";
    case Inspection::Shape::Kind::DottedRect:
        return "DottedRect";
    case Inspection::Shape::Kind::Disc:
        return "Disc";
    case Inspection::Shape::Kind::Ring:
        return "Ring";
    case Inspection::Shape::Kind::Label:
        break;
    }
    return "Label";
}

const char* alignName(Inspection::Shape::Align align) {
    switch (align) {
    case Inspection::Shape::Align::Left:
        return "left";
    case Inspection::Shape::Align::Right:
        return "right";
    case Inspection::Shape::Align::Centre:
        break;
    }
    return "center";
}

// Everything the point inspector shows of a point: its texts, its drawing as shapes in the
// inspector's design units (wide, or narrow: one above the other), and its table of paths;
// null where its mark is not shown (any more) or its paths are not kept.
val inspection(const Page& page, int run, int index, bool narrow) {
    if (!canInspect(page, run, index))
        return val::null();
    const auto layout = narrow ? Inspection::Layout::Narrow : Inspection::Layout::Wide;
    const auto found = inspect(page.history(), {std::size_t(run), std::size_t(index)}, layout);
    if (!found)
        return val::null();
    const Inspection& in = *found;
    val out = val::object();
    out.set("run", run);
    out.set("index", index);
    out.set("point", in.point);
    out.set("title", str(page.write(in.title)));
    out.set("numbers", str(page.write(in.numbers)));
    out.set("paths", str(page.write(in.paths)));
    out.set("runText", str(page.write(in.run)));
    out.set("table", str(writeTable(in.table, page.translator())));
    out.set("width", narrow ? Inspection::narrowWidth : Inspection::width);
    out.set("height", narrow ? Inspection::narrowHeight : Inspection::height);
    out.set("narrow", narrow);
    val shapes = val::array();
    int n = 0;
    for (const Inspection::Shape& s : in.shapes) {
        val shape = val::object();
        shape.set("kind", str(shapeKind(s.kind)));
        shape.set("role", int(s.role));
        shape.set("x1", s.x1);
        shape.set("y1", s.y1);
        shape.set("x2", s.x2);
        shape.set("y2", s.y2);
        shape.set("width", s.width);
        if (s.kind == Inspection::Shape::Kind::Label) {
            shape.set("text", str(page.write(s.text)));
            shape.set("align", str(alignName(s.align)));
            shape.set("fontPixels", s.fontPixels);
            shape.set("bold", s.bold);
            shape.set("turned", s.turned);
            shape.set("wrap", s.wrap);
        }
        shapes.set(n++, shape);
    }
    out.set("shapes", shapes);
    return out;
}

val inspectNext(const Page& page, int run, int index, int by) {
    if (!validPlace(run, index))
        return val::null();
    const auto next = ravo::inspectNext(page.history(), {std::size_t(run), std::size_t(index)}, by);
    return next ? place(*next) : val::null();
}

std::string marksTableText(const Page& page) {
    return writeTable(marksTable(page.history()), page.translator());
}

// The keys and the mouse, as F1 lists them.
val keys(const Page& page) {
    val out = val::object();
    out.set("title", str(page.write(keysHelpTitle())));
    val rows = val::array();
    int n = 0;
    for (const KeyHelp& row : keysHelp()) {
        val r = val::object();
        r.set("keys", str(page.write(row.keys)));
        r.set("does", str(page.write(row.does)));
        rows.set(n++, r);
    }
    out.set("rows", rows);
    return out;
}

const char* menuId(MenuEntry::Id id) {
    switch (id) {
    case MenuEntry::Id::CopyPicture:
        return "copy-picture";
    case MenuEntry::Id::CopyData:
        return "copy-data";
    case MenuEntry::Id::CopyLink:
        return "copy-link";
    case MenuEntry::Id::OpenLink:
        return "open-link";
    case MenuEntry::Id::UndoErase:
        return "undo-erase";
    case MenuEntry::Id::Projector:
        return "projector";
    case MenuEntry::Id::Shapes:
        return "shapes";
    case MenuEntry::Id::HideMarks:
        return "hide-marks";
    case MenuEntry::Id::Legend:
        return "legend";
    case MenuEntry::Id::Listen:
        return "listen";
    case MenuEntry::Id::Pace:
        return "pace";
    case MenuEntry::Id::Language:
        return "language";
    case MenuEntry::Id::KeysHelp:
        return "keys-help";
    case MenuEntry::Id::Separator:
        break;
    }
    return "separator";
}

// The picture's menu as the window builds it: each entry's action, label and shortcut.
val menu(const Page& page) {
    val out = val::array();
    int n = 0;
    for (const MenuEntry& entry : pictureMenu()) {
        val e = val::object();
        e.set("id", str(menuId(entry.id)));
        e.set("label", str(page.write(entry.label)));
        e.set("shortcut", str(entry.shortcut ? entry.shortcut : ""));
        e.set("checkable", entry.checkable);
        out.set(n++, e);
    }
    return out;
}

val paceChoices(const Page& page) {
    val out = val::array();
    int n = 0;
    for (const Pace& pace : paces()) {
        val p = val::object();
        p.set("name", str(page.write(pace.name)));
        p.set("slowDown", pace.slowDown);
        out.set(n++, p);
    }
    return out;
}

val languageList() {
    val out = val::array();
    int n = 0;
    for (const Language& language : languages()) {
        val l = val::object();
        l.set("code", str(language.code));
        l.set("name", str(language.name));
        out.set(n++, l);
    }
    return out;
}

// --- Reading the picture -----------------------------------------------------------

val viewOf(const Page& page) {
    const ViewOptions& view = page.view();
    val out = val::object();
    out.set("projector", view.projector);
    out.set("shapes", view.shapes);
    out.set("hideMarks", view.hideMarks);
    out.set("legend", view.legend);
    return out;
}

// The view as the script has it: whether the picture is to be drawn again.
bool setView(Page& page, val view) {
    ViewOptions options;
    options.projector = view["projector"].as<bool>();
    options.shapes = view["shapes"].as<bool>();
    options.hideMarks = view["hideMarks"].as<bool>();
    options.legend = view["legend"].as<bool>();
    return page.setView(options);
}

bool cursorMove(Page& page, const std::string& name) {
    static constexpr std::pair<const char*, MarkCursor::Move> moves[] = {
        {"Left", MarkCursor::Move::Left},   {"Right", MarkCursor::Move::Right},
        {"First", MarkCursor::Move::First}, {"Last", MarkCursor::Move::Last},
        {"Up", MarkCursor::Move::Up},       {"Down", MarkCursor::Move::Down},
    };
    for (const auto& [word, move] : moves)
        if (name == word)
            return page.cursor().move(move);
    return false;
}

val cursorPlace(const Page& page) {
    const auto& at = page.cursor().place();
    return at && page.cursor().at() ? place(*at) : val::null();
}

val cursorAt(const Page& page) {
    const auto at = page.cursor().at();
    if (!at)
        return val::null();
    val out = val::array();
    out.set(0, at->first);
    out.set(1, at->second);
    return out;
}

val stringList(const std::vector<std::string>& list) {
    val out = val::array();
    for (std::size_t i = 0; i < list.size(); ++i)
        out.set(i, list[i]);
    return out;
}

// The legend's lines, each with its mark's role and kind, and its title.
val legend(const Page& page) {
    val out = val::object();
    out.set("title", str(page.write(legendTitle())));
    val entries = val::array();
    int n = 0;
    for (const LegendEntry& entry : legendEntries(page.history())) {
        val e = val::object();
        e.set("words", str(page.write(entry.words)));
        e.set("role", int(entry.role));
        e.set("bars", entry.bars);
        entries.set(n++, e);
    }
    out.set("entries", entries);
    return out;
}

val legendRect(const Page& page, int width, int height) {
    return rect(legendPlace(page.history(), width, height));
}

val samples(const std::vector<float>& samples) {
    return val::global("Float32Array")
        .new_(val(emscripten::typed_memory_view(samples.size(), samples.data())));
}

const RunRecord* runOf(const Page& page, int run) {
    const auto& runs = page.history().runs();
    return run >= 0 && std::size_t(run) < runs.size() ? &runs[std::size_t(run)] : nullptr;
}

double highest(const RunRecord& run) {
    double top = 0;
    for (const PointRecord& point : run.points)
        top = std::max(top, point.result.probability);
    return top;
}

// A run as sound, as the window plays it: stereo samples, left and right in turn; null for a
// run that is not there.
val runTones(const Page& page, int run) {
    const RunRecord* record = runOf(page, run);
    if (!record)
        return val::null();
    std::vector<double> probabilities;
    for (const PointRecord& point : record->points)
        probabilities.push_back(point.result.probability);
    return samples(Tones::run(probabilities, highest(*record)));
}

// The tone of the mark under the cursor; null where it stands nowhere.
val cursorTone(const Page& page) {
    const auto& at = page.cursor().place();
    if (!at || !page.cursor().at())
        return val::null();
    const RunRecord& run = page.history().runs()[at->run];
    const PointRecord& point = run.points[at->index];
    return samples(Tones::point(point.result.probability, highest(run), point.result.index - 1,
                                int(SimulationRun::detectorCount)));
}

val openLink(Page& page, const std::string& text) {
    const LinkOpened opened = page.openLink(text);
    val out = val::object();
    out.set("opened", opened.opened);
    out.set("runs", opened.runs);
    out.set("message", str(opened.message));
    return out;
}

std::vector<std::string> strings(const val& array) {
    std::vector<std::string> out;
    const int length = array["length"].as<int>();
    for (int i = 0; i < length; ++i)
        out.push_back(array[i].as<std::string>());
    return out;
}

bool isEnglish(std::string_view tag) {
    return tag.size() >= 2 && (tag[0] == 'e' || tag[0] == 'E') &&
           (tag[1] == 'n' || tag[1] == 'N') &&
           (tag.size() == 2 || std::string_view("-_.@").find(tag[2]) != std::string_view::npos);
}

// The first of the reader's languages that the page has translations of (`available`),
// English where an English one comes first or none is there.
std::string chooseLanguage(val wanted, val available) {
    const std::vector<std::string> have = strings(available);
    std::vector<std::string> tags;
    for (const std::string& tag : strings(wanted)) {
        const std::string code = languageOf(tag).code;
        const bool known =
            code == "en" ? isEnglish(tag) : std::find(have.begin(), have.end(), code) != have.end();
        if (known)
            tags.push_back(tag);
    }
    return bestLanguage(tags).code;
}

// The translations of a language as the page carries them: [context, source, comment,
// [forms]] each.
void setLanguage(Page& page, const std::string& code, val entries) {
    std::vector<Page::Entry> list;
    const int length = entries["length"].as<int>();
    list.reserve(std::size_t(length));
    for (int i = 0; i < length; ++i) {
        const val e = entries[i];
        list.push_back({e[0].as<std::string>(), e[1].as<std::string>(), e[2].as<std::string>(),
                        strings(e[3])});
    }
    page.setLanguage(code, list);
}

std::string languageCode(const Page& page) {
    return page.translator().language().code;
}

std::string pageTextOf(const Page& page, int which) {
    return page.write(pageText(PageText(which)));
}

std::string pageTextWith(const Page& page, int which, const std::string& detail) {
    Text text = pageText(PageText(which));
    text.arg(detail);
    return page.write(text);
}

void listen(Page& page, val listener) {
    page.onChange([listener] { listener(); });
}

std::string commandFor(const Page& page, const std::string& key, bool ctrl, bool shift, bool alt,
                       bool repeat) {
    return page.commandFor(KeyPress{key, ctrl, shift, alt, repeat});
}

} // namespace

EMSCRIPTEN_BINDINGS(ravo) {
    using namespace emscripten;
    value_object<PageAdvance>("PageAdvance")
        .field("wait", &PageAdvance::wait)
        .field("delayMs", &PageAdvance::delayMs)
        .field("text", &PageAdvance::text);
    enum_<PageLinkText>("PageLinkText")
        .value("Field", PageLinkText::Field)
        .value("Open", PageLinkText::Open)
        .value("Cancel", PageLinkText::Cancel)
        .value("NotCopied", PageLinkText::NotCopied);
    enum_<PageText>("PageText")
        .value("ExitHelp", PageText::ExitHelp)
        .value("CloseTab", PageText::CloseTab)
        .value("Close", PageText::Close)
        .value("Ok", PageText::Ok)
        .value("Yes", PageText::Yes)
        .value("No", PageText::No)
        .value("Picture", PageText::Picture)
        .value("PictureCopied", PageText::PictureCopied)
        .value("DataCopied", PageText::DataCopied)
        .value("NoPictureCopy", PageText::NoPictureCopy)
        .value("NoTextCopy", PageText::NoTextCopy)
        .value("PictureNotCopied", PageText::PictureNotCopied)
        .value("DataNotCopied", PageText::DataNotCopied)
        .value("RunKeys", PageText::RunKeys)
        .value("Hold", PageText::Hold)
        .value("GoOn", PageText::GoOn)
        .value("Step", PageText::Step)
        .value("Stop", PageText::Stop)
        .value("HoldHelp", PageText::HoldHelp)
        .value("StepHelp", PageText::StepHelp)
        .value("StopHelp", PageText::StopHelp)
        .value("FullScreen", PageText::FullScreen)
        .value("LeaveFullScreen", PageText::LeaveFullScreen)
        .value("DownloadPicture", PageText::DownloadPicture)
        .value("DownloadData", PageText::DownloadData)
        .value("PreviousPoint", PageText::PreviousPoint)
        .value("NextPoint", PageText::NextPoint);
    class_<Page>("Page")
        .constructor<>()
        // The language and the page's own texts.
        .function("setLanguage", &setLanguage)
        .function("language", &languageCode)
        .function("text", optional_override(
                              [](const Page& p, PageText t) { return pageTextOf(p, int(t)); }))
        .function("textWith",
                  optional_override([](const Page& p, PageText t, const std::string& detail) {
                      return pageTextWith(p, int(t), detail);
                  }))
        // The controls, their form and help.
        .function("controls", &controls)
        .function("help", &help)
        .function("listen", &listen)
        .function("load", optional_override([](Page& p) { p.form().load(); }))
        .function("click", optional_override([](Page& p, const std::string& name) {
                      return p.form().click(name);
                  }))
        .function("scroll",
                  optional_override([](Page& p, int value) { return p.form().scroll(value); }))
        .function("type", optional_override(
                              [](Page& p, const std::string& text) { return p.form().type(text); }))
        .function("checked", optional_override([](const Page& p, const std::string& name) {
                      return p.form().checked(name);
                  }))
        .function("scrollValue",
                  optional_override([](const Page& p) { return p.form().scrollValue(); }))
        .function("setting", optional_override([](const Page& p, const std::string& name) {
                      for (Setting s : allSettings)
                          if (settingName(s) == name)
                              return p.form().settings()[s];
                      return std::string();
                  }))
        .function("shownText", optional_override([](const Page& p, const std::string& name) {
                      return p.shownText(name);
                  }))
        .function("slowDownHelp", optional_override([](const Page& p, int value) {
                      return p.write(slowDownHelp(value));
                  }))
        // The run.
        .function("start", &Page::start)
        .function("advance", &Page::advance)
        .function("answer", optional_override([](Page& p, bool yes) { p.session().answer(yes); }))
        .function("commandFor", &commandFor)
        .function("command", optional_override(
                                 [](Page& p, const std::string& name) { return p.command(name); }))
        .function("close", &Page::close)
        .function("running", optional_override([](const Page& p) { return p.session().running(); }))
        .function("held", optional_override([](const Page& p) { return p.session().held(); }))
        .function("takesInput",
                  optional_override([](const Page& p) { return p.session().takesInput(); }))
        .function("waitingForAnswer",
                  optional_override([](const Page& p) { return p.session().waitingForAnswer(); }))
        .function("bandShown",
                  optional_override([](const Page& p) { return p.session().bandShown(); }))
        .function("completed", optional_override([](const Page& p) {
                      return p.session().lastOutcome().completed;
                  }))
        .function("state", &Page::state)
        .function("point",
                  optional_override([](const Page& p) { return p.session().control().point(); }))
        .function("status",
                  optional_override([](const Page& p) { return p.write(p.session().status()); }))
        .function("pausedTitle", optional_override([](const Page& p, const std::string& title) {
                      Text text = RunSession::pausedTitle();
                      text.arg(title);
                      return p.write(text);
                  }))
        .function("runCount",
                  optional_override([](const Page& p) { return int(p.history().runs().size()); }))
        .function("drawn", optional_override([](Page& p) { return double(p.surface().drawn()); }))
        .function("leftOut",
                  optional_override([](Page& p) { return double(p.surface().leftOut()); }))
        .function("redraw", &Page::redraw)
        .function("useColours", &useColours)
        .function("renewBegin", &Page::renewBegin)
        .function("renewStep", &Page::renewStep)
        .function("renewed", &Page::renewed)
        // The marks and the point inspector.
        .function("readoutAt", &readout)
        .function("markAt", &markAt)
        .function("nearestMark", &nearestMark)
        .function("canInspect", &canInspect)
        .function("inspection", &inspection)
        .function("inspectNext", &inspectNext)
        .function("marksTable", &marksTableText)
        // The keys and the picture's menu.
        .function("keys", &keys)
        .function("menu", &menu)
        .function("paces", &paceChoices)
        // Reading the picture: the view, the cursor, the description, the legend, the tones.
        .function("view", &viewOf)
        .function("setView", &setView)
        .function("cursorMove", &cursorMove)
        .function("cursorMoveTo", optional_override([](Page& p, int run, int index) {
                      return validPlace(run, index) &&
                             p.cursor().moveTo({std::size_t(run), std::size_t(index)});
                  }))
        .function("cursorRecheck", optional_override([](Page& p) { p.cursor().recheck(); }))
        .function("cursorPlace", &cursorPlace)
        .function("cursorAt", &cursorAt)
        .function("cursorWords",
                  optional_override([](const Page& p) { return p.write(p.cursor().words()); }))
        .function("describe",
                  optional_override([](const Page& p) { return stringList(p.description()); }))
        .function("runEnded", &Page::runEnded)
        .function("legend", &legend)
        .function("legendPlace", &legendRect)
        .function("runTones", &runTones)
        .function("cursorTone", &cursorTone)
        .function("listenWithoutSound",
                  optional_override([](const Page& p) { return p.write(listenWithoutSound()); }))
        .function("listenDuringRun",
                  optional_override([](const Page& p) { return p.write(listenDuringRun()); }))
        // Links, and undoing an erase.
        .function("link", &Page::link)
        .function("openLink", &openLink)
        .function("linkCopied",
                  optional_override([](const Page& p) { return p.write(linkCopied()); }))
        .function("canUndoErase",
                  optional_override([](const Page& p) { return p.session().canUndoErase(); }))
        .function("undoErase", &Page::undoErase)
        .function("nothingToUndo",
                  optional_override([](const Page& p) { return p.write(nothingToUndo()); }))
        .function("eraseUndone",
                  optional_override([](const Page& p) { return p.write(eraseUndone()); }))
        .function("linkText", optional_override([](const Page& p, PageLinkText t) {
                      return p.write(pageLinkText(t));
                  }))
        .function("linkTextWith",
                  optional_override([](const Page& p, PageLinkText t, const std::string& detail) {
                      Text text = pageLinkText(t);
                      text.arg(detail);
                      return p.write(text);
                  }));
    function("colours", &colours);
    function("fontCss", &fontCss);
    function("textFont", optional_override([] { return std::string(textFamily); }));
    function("languages", &languageList);
    function("chooseLanguage", &chooseLanguage);
    constant("designWidth", designWidth);
    constant("designHeight", designHeight);
    constant("minimumZoom", minimumZoom);
    function("inspectorNarrow", optional_override([](double width, double height) {
                 return inspectionLayoutFor(width, height) == Inspection::Layout::Narrow;
             }));
    constant("readableZoom", readableZoom);
    constant("detectorCount", int(SimulationRun::detectorCount));
    constant("toneRate", Tones::sampleRate);
}

} // namespace ravo::web
