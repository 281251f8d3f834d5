// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordingSurface.h"
#include "SimulationRun.h"
#include "TableSettings.h"

#include <vector>

namespace ravo::test {

// One probability mark read back from a recorded run.
struct Mark {
    float x;
    float markY;
    Colour colour;
    int penWidth;
    bool bar;
};

// The marks of a run, dots (radius-1 circles) and bars (vertical lines that end on the
// base line y = 230.5), in the order drawn.
inline std::vector<Mark> marksOf(const RecordingSurface& surface) {
    std::vector<Mark> marks;
    for (const Call& c : surface.calls) {
        if (c.kind == Call::Circle && c.x2 == 1 && c.colour)
            marks.push_back({c.x1, c.y1, *c.colour, c.penWidth, false});
        else if (c.kind == Call::Line && c.colour && c.x1 == c.x2 && c.y2 == 230.5f &&
                 c.y1 != 230.5f)
            marks.push_back({c.x1, c.y1, *c.colour, c.penWidth, true});
    }
    return marks;
}

inline RunOutcome runOnce(TableSettings& settings, RecordingSurface& surface) {
    return SimulationRun(settings, surface).perform();
}

} // namespace ravo::test
