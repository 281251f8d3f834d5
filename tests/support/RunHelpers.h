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
    Role role;
    int penWidth;
    bool bar;
};

inline bool isMark(Role role) {
    return role == Role::MarkRed || role == Role::MarkGreen || role == Role::MarkBlue;
}

// The marks of a run, dots (radius-1 circles) and bars (vertical lines that end on the
// base line y = 230.5), in the order drawn.
inline std::vector<Mark> marksOf(const RecordingSurface& surface) {
    std::vector<Mark> marks;
    for (const Call& c : surface.calls) {
        if (!isMark(c.role))
            continue;
        if (c.kind == Call::Circle && c.x2 == 1)
            marks.push_back({c.x1, c.y1, c.role, c.penWidth, false});
        else if (c.kind == Call::Line && c.x1 == c.x2 && c.y2 == 230.5f && c.y1 != 230.5f)
            marks.push_back({c.x1, c.y1, c.role, c.penWidth, true});
    }
    return marks;
}

// A whole run on the recording surface: its question answered from the surface's answers,
// its refusal kept as a message, its pauses counted without waiting. The record, if given,
// is filled as the window's would be.
inline RunOutcome runOnce(SettingsAccess& settings, RecordingSurface& surface,
                          RunRecord* record = nullptr) {
    SimulationRun run(settings, surface, record);
    RunSequence sequence = run.steps();
    while (sequence.next()) {
        const RunStep& step = sequence.step();
        if (step.kind == RunStep::Question)
            run.answer(surface.ask(step.text));
        else if (step.kind == RunStep::Refusal)
            surface.refuse(step.text);
        else if (step.kind == RunStep::Pause)
            run.paused(step.steps);
    }
    return run.outcome();
}

} // namespace ravo::test
