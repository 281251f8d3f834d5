// SPDX-License-Identifier: GPL-3.0-or-later
#include "PointDetails.h"

#include "MarkTable.h"
#include "NumberText.h"
#include "PathSum.h"
#include "SceneGeometry.h"
#include "Settings.h"

#include <algorithm>
#include <cmath>

namespace ravo::web {

bool inspectable(const RunHistory& history, std::size_t run, std::size_t index) {
    const auto& runs = history.runs();
    if (run >= runs.size() || index >= runs[run].points.size())
        return false;
    const PointRecord& point = runs[run].points[index];
    return !point.paths.empty() && history.shown(run, point);
}

std::optional<std::pair<std::size_t, std::size_t>> inspectedMarkAt(const RunHistory& history,
                                                                   double x, double y) {
    const auto& runs = history.runs();
    for (std::size_t r = runs.size(); r-- > 0;)
        for (std::size_t p = runs[r].points.size(); p-- > 0;)
            if (markCovers(runs[r], runs[r].points[p], x, y) && inspectable(history, r, p))
                return std::pair{r, p};
    return std::nullopt;
}

std::optional<PointDetails> inspect(const RunHistory& history, std::size_t run,
                                       std::size_t index) {
    if (!inspectable(history, run, index))
        return std::nullopt;
    const RunRecord& record = history.runs()[run];
    const PointRecord& point = record.points[index];
    const PointResult& result = point.result;
    const SettingsAccess& s = record.settings;
    const PathSum sum(PathSumParameters::from(s));
    const double step = sum.parameters().spiralStep;

    PointDetails out;
    out.point = result.index;
    out.pointCount = PathSum::detectorCount;
    out.x = numberText(result.x);
    out.probability = fixed(result.probability, 3);
    out.length = fixed(std::hypot(point.resultantX - result.x,
                                  point.resultantY - SceneGeometry::from(s).spiralBaseY),
                       2);
    out.factor = numberText(0.012);
    out.light = int(result.mark->light);
    out.markRole = int(markRole(result.mark->light));
    out.frequency = s.text(Setting::nKmitočet);
    out.dispersion = dispersionWord(s);
    out.radius = s.text(Setting::nPoloměr);
    out.index = s.text(Setting::nIndex);
    out.aperture = s.text(Setting::nClona);
    out.wholeLens = isWholeLens(s.number(Setting::nPůlLupy));

    out.table = "path\theight at the lens\tglass thickness\tdistance to the point\ttrip time\t"
                "phase\tarrow x\tarrow y\n";
    double headX = 0, headY = 0;
    out.spiralX.push_back(headX);
    out.spiralY.push_back(headY);
    for (std::size_t j = 0; j < point.paths.size(); ++j) {
        const PathRecord& path = point.paths[j];
        const double dx = step * std::cos(path.phase), dy = step * std::sin(path.phase);
        out.y.push_back(path.y);
        out.time.push_back(path.time);
        out.phase.push_back(path.phase);
        out.dx.push_back(dx);
        out.dy.push_back(dy);
        headX += dx;
        headY += dy;
        out.spiralX.push_back(headX);
        out.spiralY.push_back(headY);
        if (path.time < point.paths[std::size_t(out.leastTime)].time)
            out.leastTime = int(j);
        const double faceX = sum.surfaceX(path.y);
        out.table += std::to_string(j) + '\t' + numberText(path.y) + '\t' +
                     fixed(sum.glassThickness(faceX), 3) + '\t' +
                     fixed(sum.pathDistance(result.x, path.y, faceX), 3) + '\t' +
                     fixed(path.time, 3) + '\t' + fixed(path.phase, 4) + '\t' + fixed(dx, 4) +
                     '\t' + fixed(dy, 4) + '\n';
    }
    out.resultantX = headX;
    out.resultantY = headY;
    const auto longest =
        std::max_element(point.paths.begin(), point.paths.end(),
                         [](const PathRecord& a, const PathRecord& b) { return a.time < b.time; });
    out.shortestTime = fixed(point.paths[std::size_t(out.leastTime)].time, 2);
    out.longestTime = fixed(longest->time, 2);
    return out;
}

} // namespace ravo::web
