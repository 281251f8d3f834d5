// SPDX-License-Identifier: GPL-3.0-or-later
#include "MarkTable.h"

#include "MarkReadout.h"
#include "QtText.h"
#include "SceneGeometry.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace ravo {

namespace {

QLocale plain(QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

QString MarkTable::number(const QLocale& locale, double value, int decimals) {
    if (decimals < 0)
        return plain(locale).toString(value, 'g', QLocale::FloatingPointShortest);
    return plain(locale).toString(value, 'f', decimals);
}

QString MarkTable::marks(const RunHistory& history, const QLocale& locale, int* rows) {
    QStringList lines;
    lines << QStringList{tr("run"), tr("colour"), tr("frequency"), tr("dispersion"), tr("radius"),
                         tr("refractive index"), tr("lens"), tr("aperture"), tr("detector point"),
                         tr("x"), tr("P"), tr("height of the mark")}
                 .join('\t');
    const auto& runs = history.runs();
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const RunRecord& run = runs[r];
        const RecordedSettings& s = run.settings;
        const QStringList settings{
            number(locale, s.number(Setting::nKmitočet)),
            MarkReadout::dispersionWord(s),
            number(locale, s.number(Setting::nPoloměr)),
            number(locale, s.number(Setting::nIndex)),
            isWholeLens(s.number(Setting::nPůlLupy)) ? tr("whole") : tr("half"),
            number(locale, s.number(Setting::nClona)),
        };
        for (const PointRecord& point : run.points) {
            if (!history.shown(r, point))
                continue;
            const PointResult& p = point.result;
            lines << (QStringList{QString::number(r + 1), MarkReadout::colourName(p.mark->light)} +
                      settings +
                      QStringList{QString::number(p.index), number(locale, p.x),
                                  number(locale, p.probability, 3),
                                  number(locale, p.mark->markFactor * p.probability, 3)})
                         .join('\t');
        }
    }
    if (rows)
        *rows = int(lines.size()) - 1;
    return lines.join('\n') + '\n';
}

QString MarkTable::paths(const RunRecord& run, const PointRecord& point, const QLocale& locale) {
    const PathSum sum(PathSumParameters::from(run.settings));
    const double x = point.result.x;
    const double step = sum.parameters().spiralStep;
    QStringList lines;
    lines << QStringList{tr("path"), tr("height at the lens"), tr("glass thickness"),
                         tr("distance to the point"), tr("trip time"), tr("phase"), tr("arrow x"),
                         tr("arrow y")}
                 .join('\t');
    for (std::size_t j = 0; j < point.paths.size(); ++j) {
        const PathRecord& path = point.paths[j];
        const double faceX = sum.surfaceX(path.y);
        lines << QStringList{QString::number(j), number(locale, path.y),
                             number(locale, sum.glassThickness(faceX), 3),
                             number(locale, sum.pathDistance(x, path.y, faceX), 3),
                             number(locale, path.time, 3), number(locale, path.phase, 4),
                             number(locale, step * std::cos(path.phase), 4),
                             number(locale, step * std::sin(path.phase), 4)}
                     .join('\t');
    }
    return lines.join('\n') + '\n';
}

} // namespace ravo
