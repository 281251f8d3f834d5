// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RunRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ravo::web {

// What the page's point inspector shows of one detector point of one run, read from the
// run's records: the numbers, and per path its height at the lens, trip time, phase and
// arrow, head to tail along the Cornu spiral.

// The shown mark under design point (x, y), newest first, as readoutAt finds it: its run
// and its place among the points the run drew; none where no shown mark with its paths is.
std::optional<std::pair<std::size_t, std::size_t>> inspectedMarkAt(const RunHistory& history,
                                                                   double x, double y);

// Whether point `index` of run `run` can be inspected: it exists, its mark is still shown
// and its paths are kept.
bool inspectable(const RunHistory& history, std::size_t run, std::size_t index);

struct PointDetails {
    int point = 0;           // 1 to 85
    int pointCount = 0;      // 85
    std::string x;           // as the tables write it
    std::string probability; // three decimals
    std::string length;      // the resultant's length, two decimals
    std::string factor;      // P = length squared times this
    int light = 0;           // Light
    int markRole = 0;        // Role of the mark's colour
    // The run's settings as the readout tells them.
    std::string frequency, dispersion, radius, index, aperture;
    bool wholeLens = true;
    // Per path, in the order summed.
    std::vector<double> y, time, phase, dx, dy;
    // The spiral: from (0, 0), the head of each path's arrow in turn.
    std::vector<double> spiralX, spiralY;
    int leastTime = 0; // the path of least time
    double resultantX = 0, resultantY = 0;
    std::string shortestTime, longestTime; // the time axis's ends, two decimals
    // One line per path after a line of column names: path, height at the lens, glass
    // thickness, distance to the point, trip time, phase, arrow x, arrow y; tab-separated,
    // numbers as the desktop's table of paths writes them ("." as decimal separator).
    std::string table;
};

// Point `index` of run `run`; none where it is not inspectable.
std::optional<PointDetails> inspect(const RunHistory& history, std::size_t run,
                                       std::size_t index);

} // namespace ravo::web
