// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include "RunRecord.h"

#include <QLocale>
#include <QString>

namespace ravo {

// The numbers behind the picture as tables for a spreadsheet: tab-separated, the first line
// the column names, numbers with the decimal separator of the program's language, no
// group separators. Read from the runs' records, never from the picture.
class MarkTable {
    Q_DECLARE_TR_FUNCTIONS(MarkTable)

public:
    // One row per mark shown now, kept runs included, in the order drawn: run, colour,
    // frequency, dispersion, radius, refractive index, lens, aperture, detector point, x,
    // P (three decimals), the mark's height above its base line.
    static QString marks(const RunHistory& history, const QLocale& locale, int* rows = nullptr);

    // One row per path of one detector point: path, height at the lens, glass thickness,
    // distance to the point, trip time, phase, and the arrow's x and y.
    static QString paths(const RunRecord& run, const PointRecord& point, const QLocale& locale);

    // A number as the table writes it.
    static QString number(const QLocale& locale, double value, int decimals = -1);
};

} // namespace ravo
