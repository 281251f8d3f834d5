// SPDX-License-Identifier: GPL-3.0-or-later
#include "MarkReadout.h"

#include "NumberText.h"
#include "PathSum.h"
#include "QtText.h"
#include "SceneGeometry.h"
#include "Settings.h"

#include <cmath>

namespace ravo {

namespace {

// A dot is a circle of radius 1 drawn two pixels wide; a bar is two pixels wide. The
// reach is a little more, so that resting the mouse on a mark is easy.
constexpr double dotReach = 2.5;
constexpr double barReach = 2;

bool covers(const RunRecord& run, const PointRecord& point, double x, double y) {
    const PointResult& p = point.result;
    if (run.markKind() == MarkKind::Bars)
        return std::fabs(x - p.x) <= barReach && y >= p.markY - barReach &&
               y <= SceneGeometry::from(run.settings).markBaseY + barReach;
    return std::hypot(x - p.x, y - p.markY) <= dotReach;
}

} // namespace

QString MarkReadout::colourName(Light light) {
    switch (light) {
    case Light::Red:
        return tr("red");
    case Light::Green:
        return tr("green");
    case Light::Blue:
        break;
    }
    return tr("blue");
}

QString MarkReadout::dispersionWord(const SettingsAccess& settings) {
    const std::string f = settings.text(Setting::nKmitočet);
    const bool dispersion = settings.text(Setting::nDisperze) == words::yes;
    if (glassFactor(f, dispersion) == 0)
        return tr("no glass time");
    return dispersion ? tr("dispersion on") : tr("dispersion off");
}

QString MarkReadout::runSettingsText(const SettingsAccess& settings, Light light) {
    const std::string f = settings.text(Setting::nKmitočet);
    const QString glass = dispersionWord(settings);
    const bool whole = isWholeLens(settings.number(Setting::nPůlLupy));
    const QString text =
        whole ? tr("%1, f = %2, %3 · radius %4, index %5, whole lens, aperture %6")
              : tr("%1, f = %2, %3 · radius %4, index %5, half lens, aperture %6");
    return text.arg(colourName(light), toQString(f), glass,
                    toQString(settings.text(Setting::nPoloměr)),
                    toQString(settings.text(Setting::nIndex)),
                    toQString(settings.text(Setting::nClona)));
}

QString MarkReadout::textAt(double x, double y) const {
    QString text;
    const auto& runs = history_.runs();
    for (std::size_t r = runs.size(); r-- > 0;) {
        const RunRecord& run = runs[r];
        for (auto point = run.points.rbegin(); point != run.points.rend(); ++point) {
            if (!covers(run, *point, x, y) || !history_.shown(r, *point))
                continue;
            if (!text.isEmpty())
                text += '\n';
            text += tr("Point %1, x = %2: P = %3 · %4")
                        .arg(QString::number(point->result.index),
                             toQString(numberText(point->result.x)),
                             QString::number(point->result.probability, 'f', 1),
                             runSettingsText(run.settings, point->result.mark->light));
        }
    }
    return text;
}

std::optional<std::pair<std::size_t, std::size_t>> MarkReadout::markAt(double x, double y) const {
    const auto& runs = history_.runs();
    for (std::size_t r = runs.size(); r-- > 0;)
        for (std::size_t p = runs[r].points.size(); p-- > 0;) {
            const PointRecord& point = runs[r].points[p];
            if (covers(runs[r], point, x, y) && history_.shown(r, point) && !point.paths.empty())
                return std::pair{r, p};
        }
    return std::nullopt;
}

std::size_t MarkReadout::size() const {
    std::size_t shown = 0;
    const auto& runs = history_.runs();
    for (std::size_t r = 0; r < runs.size(); ++r)
        for (const PointRecord& point : runs[r].points)
            shown += history_.shown(r, point);
    return shown;
}

} // namespace ravo
