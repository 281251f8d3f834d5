// SPDX-License-Identifier: GPL-3.0-or-later
#include "Link.h"

#include "NumberText.h"

#include <algorithm>
#include <charconv>

namespace ravo {

namespace {

constexpr char hexDigits[] = "0123456789abcdef";

// The values a control can write into each setting a link carries, as the setting holds it.
bool oneOf(std::string_view value, std::initializer_list<std::string_view> allowed) {
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

std::string hex(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        out += hexDigits[c >> 4];
        out += hexDigits[c & 15];
    }
    return out;
}

std::optional<std::string> unhex(std::string_view text) {
    if (text.size() % 2)
        return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const auto digit = [](char c) -> int {
            if (c >= '0' && c <= '9')
                return c - '0';
            if (c >= 'a' && c <= 'f')
                return c - 'a' + 10;
            return -1;
        };
        const int high = digit(text[i]), low = digit(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out += char(high * 16 + low);
    }
    return out;
}

// Well-formed UTF-8 without control characters, at most `limit` characters.
bool typeable(std::string_view text, std::size_t limit) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        if (length == 1 && (c < 0x20 || c == 0x7f))
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2)
                return false;
        i += length;
        if (++count > limit)
            return false;
    }
    return true;
}

LinkError error(const char* source) {
    return {Text("Link", source)};
}

// Reads one run; a message where it is not one.
std::variant<LinkRun, LinkError> readRun(std::string_view text) {
    LinkRun run;
    SettingsRecord& s = run.settings;
    // The fields in their order, each a letter and its value up to the next field's letter.
    static constexpr char keys[] = {'F', 'R', 'I', 'C', 'H', 'D', 'M', 'S', 'A', 'P'};
    std::string_view values[std::size(keys)];
    std::size_t at = 0;
    for (std::size_t k = 0; k < std::size(keys); ++k) {
        if (at >= text.size() || text[at] != keys[k])
            return error(QT_TRANSLATE_NOOP("Link", "A run of the link is damaged."));
        ++at;
        const std::size_t end =
            k + 1 < std::size(keys) ? text.find(keys[k + 1], at) : text.size();
        if (end == std::string_view::npos)
            return error(QT_TRANSLATE_NOOP("Link", "A run of the link is damaged."));
        values[k] = text.substr(at, end - at);
        at = end;
    }
    const std::string_view f = values[0];
    if (oneOf(f, {"0.5", "0.75", "1"})) {
        s.setText(Setting::nKmitočet, f);
    } else if (!f.empty() && f[0] == 'x') {
        const auto typed = unhex(f.substr(1));
        if (!typed || !typeable(*typed, linkMaxFrequency))
            return error(QT_TRANSLATE_NOOP("Link", "A frequency text of the link is too long or not text."));
        s.setText(Setting::nKmitočet, *typed);
    } else {
        return error(QT_TRANSLATE_NOOP("Link", "A run of the link is damaged."));
    }
    if (!oneOf(values[1], {"500", "450", "400"}) || !oneOf(values[2], {"1", "0.98", "0.96"}) ||
        !oneOf(values[3], {"0", "50", "100"}) || !oneOf(values[4], {"80", "40"}) ||
        !oneOf(values[5], {"Y", "N"}) || !oneOf(values[6], {"O", "B"}) ||
        !oneOf(values[8], {"-", "Y", "N"}))
        return error(QT_TRANSLATE_NOOP("Link", "The link holds a setting that no control can make."));
    s.setText(Setting::nPoloměr, values[1]);
    s.setText(Setting::nIndex, values[2]);
    s.setText(Setting::nClona, values[3]);
    s.setText(Setting::nPůlLupy, values[4]);
    s.setText(Setting::nDisperze, values[5] == "Y" ? words::yes : words::no);
    s.setText(Setting::nZobrazení, values[6] == "O" ? words::dots : words::bars);
    int slow = 0;
    const std::string_view slowText = values[7];
    const auto [slowEnd, slowError] =
        std::from_chars(slowText.data(), slowText.data() + slowText.size(), slow);
    if (slowText.empty() || slowText.size() > 5 || slowError != std::errc() ||
        slowEnd != slowText.data() + slowText.size() || slow < 1 || slow > 10000 ||
        slowText[0] == '0')
        return error(QT_TRANSLATE_NOOP("Link", "The link holds a setting that no control can make."));
    s.setText(Setting::nSpomaleni, std::to_string(slow));
    run.answer = values[8] == "-"   ? RunRecord::Answer::NotAsked
                 : values[8] == "Y" ? RunRecord::Answer::Yes
                                    : RunRecord::Answer::No;
    const std::string_view p = values[9];
    if (p == "F") {
        run.progress = RunRecord::Progress::Finished;
        run.points = 85;
    } else {
        int points = -1;
        const auto [end, ec] = std::from_chars(p.data(), p.data() + p.size(), points);
        if (p.empty() || p.size() > 2 || ec != std::errc() || end != p.data() + p.size() ||
            points < 0 || points > 84 || (p.size() == 2 && p[0] == '0'))
            return error(QT_TRANSLATE_NOOP("Link", "A run of the link is damaged."));
        run.progress = RunRecord::Progress::Stopped;
        run.points = points;
    }
    return run;
}

} // namespace

bool LinkRun::operator==(const LinkRun& other) const {
    for (Setting setting : allSettings)
        if (settings[setting] != other.settings[setting])
            return false;
    return answer == other.answer && progress == other.progress && points == other.points;
}

PictureLink linkOf(const RunHistory& history, const ViewOptions& view) {
    PictureLink link;
    link.view = view;
    for (const RunRecord& record : history.runs()) {
        LinkRun run;
        run.settings = record.settings;
        run.answer = record.answer == RunRecord::Answer::Pending ? RunRecord::Answer::No
                                                                  : record.answer;
        run.progress = record.progress == RunRecord::Progress::Finished
                           ? RunRecord::Progress::Finished
                           : RunRecord::Progress::Stopped;
        run.points = int(record.points.size());
        link.runs.push_back(std::move(run));
    }
    return link;
}

std::string writeLink(const PictureLink& link) {
    std::string out(linkWord);
    out += std::to_string(linkVersion);
    out += "_V";
    if (link.view.projector)
        out += 'p';
    if (link.view.shapes)
        out += 's';
    if (link.view.hideMarks)
        out += 'h';
    if (link.view.legend)
        out += 'l';
    for (const LinkRun& run : link.runs) {
        const SettingsRecord& s = run.settings;
        out += "_F";
        const std::string& f = s[Setting::nKmitočet];
        out += oneOf(f, {"0.5", "0.75", "1"}) ? f : "x" + hex(f);
        out += "R" + s[Setting::nPoloměr];
        out += "I" + s[Setting::nIndex];
        out += "C" + s[Setting::nClona];
        out += "H" + s[Setting::nPůlLupy];
        out += s[Setting::nDisperze] == words::yes ? "DY" : "DN";
        out += s[Setting::nZobrazení] == words::bars ? "MB" : "MO";
        out += "S" + s[Setting::nSpomaleni];
        out += run.answer == RunRecord::Answer::Yes  ? "AY"
               : run.answer == RunRecord::Answer::No ? "AN"
                                                     : "A-";
        out += run.progress == RunRecord::Progress::Finished ? std::string("PF")
                                                              : "P" + std::to_string(run.points);
    }
    return out;
}

std::variant<PictureLink, LinkError> readLink(std::string_view text) {
    // Blanks around it, as a link pasted from a worksheet may have.
    while (!text.empty() && (text.front() == ' ' || text.front() == '\n' || text.front() == '\t' ||
                             text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\t' ||
                             text.back() == '\r'))
        text.remove_suffix(1);
    // A whole address: the part after "#".
    if (const std::size_t hash = text.rfind('#'); hash != std::string_view::npos)
        text.remove_prefix(hash + 1);
    if (text.size() > linkMaxLength)
        return error(QT_TRANSLATE_NOOP("Link", "The link is too long to be one of Ravo's."));
    if (text.substr(0, linkWord.size()) != linkWord)
        return error(QT_TRANSLATE_NOOP("Link", "This is not a Ravo link."));
    std::size_t at = linkWord.size();
    std::size_t digits = 0;
    while (at + digits < text.size() && text[at + digits] >= '0' && text[at + digits] <= '9')
        ++digits;
    int version = 0;
    const auto [end, ec] = std::from_chars(text.data() + at, text.data() + at + digits, version);
    if (digits == 0 || ec != std::errc() || end != text.data() + at + digits)
        return error(QT_TRANSLATE_NOOP("Link", "This is not a Ravo link."));
    if (version > linkVersion)
        return error(QT_TRANSLATE_NOOP("Link", "The link comes from a newer Ravo, which this one cannot read."));
    if (version < 1)
        return error(QT_TRANSLATE_NOOP("Link", "This is not a Ravo link."));
    at += digits;
    std::vector<std::string_view> parts;
    std::size_t runs = 0;
    while (at < text.size()) {
        if (text[at] != '_')
            return error(QT_TRANSLATE_NOOP("Link", "The link is damaged."));
        const std::size_t next = std::min(text.find('_', at + 1), text.size());
        parts.push_back(text.substr(at + 1, next - at - 1));
        if (parts.size() > 1 && ++runs > linkMaxRuns)
            return error(QT_TRANSLATE_NOOP("Link", "The link asks for more runs than Ravo draws."));
        at = next;
    }
    if (parts.empty() || parts[0].empty() || parts[0][0] != 'V')
        return error(QT_TRANSLATE_NOOP("Link", "The link is damaged."));
    PictureLink link;
    const std::string_view view = parts[0].substr(1);
    const char order[] = {'p', 's', 'h', 'l'};
    std::size_t o = 0;
    for (char c : view) {
        while (o < std::size(order) && order[o] != c)
            ++o;
        if (o == std::size(order))
            return error(QT_TRANSLATE_NOOP("Link", "The link is damaged."));
        (c == 'p' ? link.view.projector : c == 's' ? link.view.shapes
                                        : c == 'h' ? link.view.hideMarks
                                                   : link.view.legend) = true;
        ++o;
    }
    // Whether a finished run has gone before: the question is asked from then on, in dots.
    bool finished = false;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        auto run = readRun(parts[i]);
        if (auto* wrong = std::get_if<LinkError>(&run))
            return std::move(*wrong);
        LinkRun& r = std::get<LinkRun>(run);
        r.settings.setText(Setting::nStart, finished ? "0" : "1");
        const bool asked = finished && r.settings[Setting::nZobrazení] == words::dots;
        if (asked != (r.answer != RunRecord::Answer::NotAsked))
            return error(QT_TRANSLATE_NOOP("Link", "A run of the link is damaged."));
        finished = finished || r.progress == RunRecord::Progress::Finished;
        link.runs.push_back(std::move(r));
    }
    return link;
}

} // namespace ravo
