// SPDX-License-Identifier: GPL-3.0-or-later
#include "Legend.h"

#include "Marks.h"
#include "SceneGeometry.h"

namespace ravo {

std::vector<LegendEntry> legendEntries(const RunHistory& history) {
    std::vector<LegendEntry> entries;
    const auto& runs = history.runs();
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const RunRecord& run = runs[r];
        for (const PointRecord& point : run.points) {
            if (!history.shown(r, point))
                continue;
            entries.push_back({Text("Legend", QT_TRANSLATE_NOOP("Legend", "Run %1: %2"))
                                   .arg(int(r + 1))
                                   .arg(runSettingsText(run.settings, point.result.mark->light)),
                               markRole(point.result.mark->light),
                               run.markKind() == MarkKind::Bars});
            break;
        }
    }
    return entries;
}

Rect legendPlace(const RunHistory& history, int width, int height) {
    constexpr int margin = 6;
    const Rect corners[] = {
        {designWidth - margin - width, designHeight - margin - height, width, height},
        {130, designHeight - margin - height, width, height},
        {designWidth - margin - width, 185, width, height},
    };
    const auto& runs = history.runs();
    for (const Rect& corner : corners) {
        bool free = true;
        for (std::size_t r = 0; r < runs.size() && free; ++r)
            for (const PointRecord& point : runs[r].points) {
                if (!history.shown(r, point))
                    continue;
                const double x = point.result.x;
                const double top = point.result.markY;
                const double bottom = runs[r].markKind() == MarkKind::Bars
                                          ? SceneGeometry::from(runs[r].settings).markBaseY
                                          : top;
                if (x + 3 >= corner.x && x - 3 <= corner.x + corner.width &&
                    bottom + 3 >= corner.y && top - 3 <= corner.y + corner.height) {
                    free = false;
                    break;
                }
            }
        if (free)
            return corner;
    }
    return corners[0];
}

Text legendTitle() {
    return Text("Legend", QT_TRANSLATE_NOOP("Legend", "Runs shown"));
}

} // namespace ravo
