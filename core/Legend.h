// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"
#include "RunRecord.h"
#include "Text.h"

#include <optional>
#include <vector>

namespace ravo {

// The legend: a box over the picture that lists the runs shown, each with its mark as drawn
// (colour, and shape where marks are by shape) and its settings in words. It is drawn over
// the picture, never into it, in a corner where no mark falls.
struct LegendEntry {
    Text words;    // "Run 2: red, f = 0.5, dispersion on · radius 500, ..."
    Role role;     // the mark's colour
    bool bars;     // a bar rather than a dot
};
std::vector<LegendEntry> legendEntries(const RunHistory& history);

// Where a box of that size stands: the first of the picture's free corners (below right,
// below left beside the captions, right of the marks) in which no shown mark falls; the
// first corner where every one holds a mark.
Rect legendPlace(const RunHistory& history, int width, int height);

// The picture's title, as printed and as the legend heads it.
Text legendTitle();

} // namespace ravo
