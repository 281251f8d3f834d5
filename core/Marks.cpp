// SPDX-License-Identifier: GPL-3.0-or-later
#include "Marks.h"

#include "NumberText.h"
#include "PathSum.h"
#include "SceneGeometry.h"
#include "Settings.h"

#include <cmath>

namespace ravo {

namespace {

// A dot is a circle of radius 1 drawn two pixels wide; a bar is two pixels wide.
constexpr double dotReach = 2.5;
constexpr double barReach = 2;

Text marks(const char* source) {
    return Text("MarkReadout", source);
}

Text column(const char* source) {
    return Text("MarkTable", source);
}

Text number(double value, int decimals = -1) {
    return Text::of(Number{value, decimals});
}

} // namespace

bool markCovers(const RunRecord& run, const PointRecord& point, double x, double y) {
    const PointResult& p = point.result;
    if (!run.marked(point))
        return false;
    if (run.markKind() == MarkKind::Bars)
        return std::fabs(x - p.x) <= barReach && y >= p.markY - barReach &&
               y <= SceneGeometry::from(run.settings).markBaseY + barReach;
    return std::hypot(x - p.x, y - p.markY) <= dotReach;
}

bool inspectable(const RunHistory& history, MarkPlace place) {
    const auto& runs = history.runs();
    if (place.run >= runs.size() || place.index >= runs[place.run].points.size())
        return false;
    const PointRecord& point = runs[place.run].points[place.index];
    return !point.paths.empty() && history.shown(place.run, point);
}

std::optional<MarkPlace> markAt(const RunHistory& history, double x, double y) {
    const auto& runs = history.runs();
    for (std::size_t r = runs.size(); r-- > 0;)
        for (std::size_t p = runs[r].points.size(); p-- > 0;)
            if (markCovers(runs[r], runs[r].points[p], x, y) && inspectable(history, {r, p}))
                return MarkPlace{r, p};
    return std::nullopt;
}

std::size_t shownMarks(const RunHistory& history) {
    std::size_t shown = 0;
    const auto& runs = history.runs();
    for (std::size_t r = 0; r < runs.size(); ++r)
        for (const PointRecord& point : runs[r].points)
            shown += history.shown(r, point);
    return shown;
}

Text colourName(Light light) {
    switch (light) {
    case Light::Red:
        return marks(QT_TRANSLATE_NOOP("MarkReadout", "red"));
    case Light::Green:
        return marks(QT_TRANSLATE_NOOP("MarkReadout", "green"));
    case Light::Blue:
        break;
    }
    return marks(QT_TRANSLATE_NOOP("MarkReadout", "blue"));
}

Text dispersionWord(const SettingsAccess& settings) {
    const bool dispersion = settings.text(Setting::nDisperze) == words::yes;
    if (glassFactor(settings.text(Setting::nKmitočet), dispersion) == 0)
        return marks(QT_TRANSLATE_NOOP("MarkReadout", "no glass time"));
    return dispersion ? marks(QT_TRANSLATE_NOOP("MarkReadout", "dispersion on"))
                      : marks(QT_TRANSLATE_NOOP("MarkReadout", "dispersion off"));
}

Text settingValue(const std::string& text) {
    const std::optional<double> number = parseNumber(text);
    if (number && numberText(*number) == text)
        return Text::of(Number{*number});
    return Text::verbatim("\"" + text + "\"");
}

Text runSettingsText(const SettingsAccess& settings, Light light) {
    const bool whole = isWholeLens(settings.number(Setting::nPůlLupy));
    const bool dispersion = settings.text(Setting::nDisperze) == words::yes;
    const bool glass = glassFactor(settings.text(Setting::nKmitočet), dispersion) != 0;
    Text text = whole ? marks(QT_TRANSLATE_NOOP(
                            "MarkReadout",
                            "%1, f = %2, %3 · radius %4, index %5, whole lens, aperture %6"))
                      : marks(QT_TRANSLATE_NOOP(
                            "MarkReadout",
                            "%1, f = %2, %3 · radius %4, index %5, half lens, aperture %6"));
    return text.arg(colourName(light))
        .arg(settingValue(settings.text(Setting::nKmitočet)))
        .arg(glass ? dispersionWord(settings)
                   : marks(QT_TRANSLATE_NOOP("MarkReadout",
                                             "no glass time, as the frequency text is none of "
                                             "0.5, 0.75 and 1")))
        .arg(settingValue(settings.text(Setting::nPoloměr)))
        .arg(settingValue(settings.text(Setting::nIndex)))
        .arg(settingValue(settings.text(Setting::nClona)));
}

std::vector<Text> readoutAt(const RunHistory& history, double x, double y) {
    std::vector<Text> lines;
    const auto& runs = history.runs();
    for (std::size_t r = runs.size(); r-- > 0;) {
        const RunRecord& run = runs[r];
        for (auto point = run.points.rbegin(); point != run.points.rend(); ++point) {
            if (!markCovers(run, *point, x, y) || !history.shown(r, *point))
                continue;
            lines.push_back(marks(QT_TRANSLATE_NOOP("MarkReadout", "Point %1, x = %2: P = %3 · %4"))
                                .arg(point->result.index)
                                .arg(Number{point->result.x})
                                .arg(Number{point->result.probability, 1})
                                .arg(runSettingsText(run.settings, point->result.mark->light)));
        }
    }
    return lines;
}

std::string writeTable(const Table& table, const Translator& translator) {
    std::string out;
    const auto line = [&](const std::vector<Text>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i)
                out += '\t';
            out += translator.write(cells[i]);
        }
        out += '\n';
    };
    line(table.header);
    for (const auto& row : table.rows)
        line(row);
    return out;
}

Table marksTable(const RunHistory& history) {
    Table table;
    for (const char* name :
         {QT_TRANSLATE_NOOP("MarkTable", "run"), QT_TRANSLATE_NOOP("MarkTable", "colour"),
          QT_TRANSLATE_NOOP("MarkTable", "frequency"), QT_TRANSLATE_NOOP("MarkTable", "dispersion"),
          QT_TRANSLATE_NOOP("MarkTable", "radius"), QT_TRANSLATE_NOOP("MarkTable", "refractive index"),
          QT_TRANSLATE_NOOP("MarkTable", "lens"), QT_TRANSLATE_NOOP("MarkTable", "aperture"),
          QT_TRANSLATE_NOOP("MarkTable", "detector point"), QT_TRANSLATE_NOOP("MarkTable", "x"),
          QT_TRANSLATE_NOOP("MarkTable", "P"), QT_TRANSLATE_NOOP("MarkTable", "height of the mark")})
        table.header.push_back(column(name));
    const auto& runs = history.runs();
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const RunRecord& run = runs[r];
        const SettingsRecord& s = run.settings;
        for (const PointRecord& point : run.points) {
            if (!history.shown(r, point))
                continue;
            const PointResult& p = point.result;
            table.rows.push_back({
                number(double(r + 1), 0),
                colourName(p.mark->light),
                number(s.number(Setting::nKmitočet)),
                dispersionWord(s),
                number(s.number(Setting::nPoloměr)),
                number(s.number(Setting::nIndex)),
                isWholeLens(s.number(Setting::nPůlLupy))
                    ? column(QT_TRANSLATE_NOOP("MarkTable", "whole"))
                    : column(QT_TRANSLATE_NOOP("MarkTable", "half")),
                number(s.number(Setting::nClona)),
                number(p.index, 0),
                number(p.x),
                number(p.probability, 3),
                number(p.mark->markFactor * p.probability, 3),
            });
        }
    }
    return table;
}

Table pathsTable(const RunRecord& run, const PointRecord& point) {
    Table table;
    for (const char* name :
         {QT_TRANSLATE_NOOP("MarkTable", "path"), QT_TRANSLATE_NOOP("MarkTable", "height at the lens"),
          QT_TRANSLATE_NOOP("MarkTable", "glass thickness"),
          QT_TRANSLATE_NOOP("MarkTable", "distance to the point"),
          QT_TRANSLATE_NOOP("MarkTable", "trip time"), QT_TRANSLATE_NOOP("MarkTable", "phase"),
          QT_TRANSLATE_NOOP("MarkTable", "arrow x"), QT_TRANSLATE_NOOP("MarkTable", "arrow y")})
        table.header.push_back(column(name));
    const PathSum sum(PathSumParameters::from(run.settings));
    const double x = point.result.x;
    const double step = sum.parameters().spiralStep;
    for (std::size_t j = 0; j < point.paths.size(); ++j) {
        const PathRecord& path = point.paths[j];
        const double faceX = sum.surfaceX(path.y);
        table.rows.push_back({
            number(double(j), 0),
            number(path.y),
            number(sum.glassThickness(faceX), 3),
            number(sum.pathDistance(x, path.y, faceX), 3),
            number(path.time, 3),
            number(path.phase, 4),
            number(step * std::cos(path.phase), 4),
            number(step * std::sin(path.phase), 4),
        });
    }
    return table;
}

Text copiedMarks(std::size_t rows) {
    if (rows == 0)
        return Text("frmRavo", QT_TRANSLATE_NOOP("frmRavo", "No marks are shown: only the column names were copied."));
    return Text("frmRavo", QT_TRANSLATE_N_NOOP("frmRavo", "Copied %n mark(s) as a table."), nullptr,
                int(rows));
}

} // namespace ravo
