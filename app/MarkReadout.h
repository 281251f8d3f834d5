// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RunRecord.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <optional>
#include <utility>

namespace ravo {

// The numbers behind the probability marks in the picture, read from the runs' records:
// for each mark still shown, its detector point, x, P and the settings of the run that
// drew it.
class MarkReadout {
    Q_DECLARE_TR_FUNCTIONS(MarkReadout)

public:
    explicit MarkReadout(const RunHistory& history) : history_(history) {}

    // One line per mark under the point (in design pixels), the latest first; empty where
    // there is none.
    QString textAt(double x, double y) const;
    // The marks shown now.
    std::size_t size() const;
    // The run and the point (its place among the run's points) of the latest shown mark
    // under a point of the design.
    std::optional<std::pair<std::size_t, std::size_t>> markAt(double x, double y) const;

    // "blue, f = 1, dispersion on · radius 500, index 0.98, whole lens, aperture 0": the
    // settings that decide a mark of the given colour. A frequency text that is none of the
    // colour buttons' texts gives the glass no time, which is said instead of the dispersion.
    static QString runSettingsText(const SettingsAccess& settings, Light light);
    static QString colourName(Light light);
    // "dispersion on", "dispersion off", or "no glass time" for a frequency text that is
    // none of the colour buttons' texts.
    static QString dispersionWord(const SettingsAccess& settings);

private:
    const RunHistory& history_;
};

} // namespace ravo
