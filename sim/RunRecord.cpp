// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunRecord.h"

#include "SimulationRun.h"

namespace ravo {

RecordedSettings::RecordedSettings(const SettingsAccess& from) {
    for (Setting setting : allSettings)
        texts_[std::size_t(setting)] = from.text(setting);
}

MarkKind markKindOf(std::string_view text) {
    if (text == words::dots)
        return MarkKind::Dots;
    if (text == words::bars)
        return MarkKind::Bars;
    return MarkKind::None;
}

void replay(const RunRecord& record, DrawingSurface& surface) {
    RecordedSettings settings = record.settings;
    SimulationRun run(settings, surface);
    RunSequence sequence = run.steps();
    const bool whole = record.progress == RunRecord::Progress::Finished;
    while (sequence.next()) {
        const RunStep& step = sequence.step();
        switch (step.kind) {
        case RunStep::Refusal:
            return;
        case RunStep::Question:
            if (record.answer != RunRecord::Answer::Yes && record.answer != RunRecord::Answer::No)
                return; // the question is still open
            run.answer(record.answer == RunRecord::Answer::Yes);
            break;
        case RunStep::Pause:
            if (!whole && step.point > int(record.points.size()))
                return;
            break;
        case RunStep::PointDone:
            break;
        }
    }
}

RunRecord& RunHistory::add(RunRecord record) {
    runs_.push_back(std::move(record));
    return runs_.back();
}

// The erase draws one-pixel lines on whole rows, which reach half a pixel beyond them.
bool RunHistory::shown(std::size_t run, const PointRecord& point) const {
    if (run >= runs_.size() || !runs_[run].marked(point))
        return false;
    const double x = point.result.x;
    const double y = point.result.markY;
    for (std::size_t later = run + 1; later < runs_.size(); ++later)
        for (const Area& a : runs_[later].erased)
            if (x >= a.left - 0.5 && x <= a.right + 0.5 && y >= a.top - 0.5 && y <= a.bottom + 0.5)
                return false;
    return true;
}

void RunHistory::forgetHidden() {
    for (std::size_t r = 0; r < runs_.size(); ++r)
        for (PointRecord& point : runs_[r].points)
            if (!point.paths.empty() && !shown(r, point))
                std::vector<PathRecord>().swap(point.paths);
}

void RunHistory::replay(DrawingSurface& surface) const {
    for (const RunRecord& record : runs_)
        ravo::replay(record, surface);
}

} // namespace ravo
