// SPDX-License-Identifier: GPL-3.0-or-later
#include "MarkTable.h"

#include "NumberText.h"
#include "RunControl.h"
#include "SceneGeometry.h"
#include "Settings.h"
#include "SimulationRun.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace ravo::web {

std::string fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

namespace {

// A dot is a circle of radius 1 drawn two pixels wide; a bar is two pixels wide. The reach
// is a little more, so that resting the mouse on a mark is easy (as on the desktop).
constexpr double dotReach = 2.5;
constexpr double barReach = 2;

bool wholeLens(const SettingsAccess& settings) {
    return isWholeLens(settings.number(Setting::nPůlLupy));
}

std::string tenths(double value) {
    return numberText(std::round(value * 10) / 10);
}

} // namespace

bool markCovers(const RunRecord& run, const PointRecord& point, double x, double y) {
    const PointResult& p = point.result;
    if (run.markKind() == MarkKind::Bars)
        return std::fabs(x - p.x) <= barReach && y >= p.markY - barReach &&
               y <= SceneGeometry::from(run.settings).markBaseY + barReach;
    return std::hypot(x - p.x, y - p.markY) <= dotReach;
}

std::string dispersionWord(const SettingsAccess& settings) {
    const bool dispersion = settings.text(Setting::nDisperze) == words::yes;
    if (glassFactor(settings.text(Setting::nKmitočet), dispersion) == 0)
        return "no glass time";
    return dispersion ? "dispersion on" : "dispersion off";
}

std::string colourName(Light light) {
    switch (light) {
    case Light::Red:
        return "red";
    case Light::Green:
        return "green";
    case Light::Blue:
        break;
    }
    return "blue";
}

std::vector<MarkRow> markRows(const RunHistory& history) {
    std::vector<MarkRow> rows;
    const auto& runs = history.runs();
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const RunRecord& run = runs[r];
        const SettingsAccess& s = run.settings;
        for (const PointRecord& point : run.points) {
            if (!history.shown(r, point))
                continue;
            const PointResult& p = point.result;
            rows.push_back({int(r + 1), colourName(p.mark->light), numberText(s.number(Setting::nKmitočet)),
                            dispersionWord(s), numberText(s.number(Setting::nPoloměr)),
                            numberText(s.number(Setting::nIndex)), wholeLens(s),
                            numberText(s.number(Setting::nClona)), p.index, numberText(p.x),
                            fixed(p.probability, 3), fixed(p.mark->markFactor * p.probability, 3)});
        }
    }
    return rows;
}

std::vector<ReadoutLine> readoutAt(const RunHistory& history, double x, double y) {
    std::vector<ReadoutLine> lines;
    const auto& runs = history.runs();
    for (std::size_t r = runs.size(); r-- > 0;) {
        const RunRecord& run = runs[r];
        const SettingsAccess& s = run.settings;
        for (auto point = run.points.rbegin(); point != run.points.rend(); ++point) {
            if (!markCovers(run, *point, x, y) || !history.shown(r, *point))
                continue;
            lines.push_back({point->result.index, numberText(point->result.x),
                             fixed(point->result.probability, 1),
                             colourName(point->result.mark->light), s.text(Setting::nKmitočet),
                             dispersionWord(s), s.text(Setting::nPoloměr), s.text(Setting::nIndex),
                             s.text(Setting::nClona), wholeLens(s)});
        }
    }
    return lines;
}

PeakText pictureDescription(const RunHistory& history) {
    if (history.empty())
        return {};
    const RunRecord& run = history.runs().back();
    const PointRecord* peak = nullptr;
    for (const PointRecord& point : run.points)
        if (!peak || point.result.probability > peak->result.probability)
            peak = &point;
    if (!peak)
        return {};
    return {true, run.marked(*peak) ? colourName(peak->result.mark->light) : std::string(),
            run.settings.text(Setting::nKmitočet), fixed(peak->result.probability, 1),
            numberText(peak->result.x)};
}

std::string slowDownText(int value) {
    using Ms = std::chrono::duration<double, std::milli>;
    const double pause = Ms(RunControl::duration(RunControl::stepsFor(value))).count();
    const double run = pause * SimulationRun::detectorCount / 1000;
    const std::string perPoint =
        pause >= 1000 ? tenths(pause / 1000) + " s" : tenths(pause) + " ms";
    const std::string whole =
        run < 0.05 ? std::string("under 0.1 s") : "about " + tenths(run) + " s";
    return "Slow-down " + std::to_string(value) + ": " + perPoint +
           " per detector point, a run of " + whole;
}

} // namespace ravo::web
