// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunRecord.h"

#include "SimulationRun.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ravo {

MarkKind markKindOf(std::string_view text) {
    if (text == words::dots)
        return MarkKind::Dots;
    if (text == words::bars)
        return MarkKind::Bars;
    return MarkKind::None;
}

void replay(const RunRecord& record, DrawingSurface& surface) {
    SettingsRecord settings = record.settings;
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

namespace {

// Passes on every drawing but those that lie wholly inside an area that a later run's erase
// paints over anyway: what they would leave is gone by the end of the replay, whatever is
// drawn between. Each area is taken a pixel smaller on every side than the rows that erase
// it, and each drawing a pixel larger than its pen reaches, so that only drawings whose
// every pixel is painted over are left out.
class BeyondLaterErases : public DrawingSurface {
public:
    BeyondLaterErases(DrawingSurface& surface, const std::deque<RunRecord>& runs,
                      std::size_t run)
        : surface_(surface) {
        for (std::size_t later = run + 1; later < runs.size(); ++later)
            for (const Area& a : runs[later].erased) {
                const Area inner{a.left + 1, a.top + 1, a.right - 1, a.bottom - 1};
                if (inner.right <= inner.left || inner.bottom <= inner.top)
                    continue;
                // Kept runs erase the same areas again and again: each is looked at once.
                if (std::none_of(areas_.begin(), areas_.end(),
                                 [&](const Area& b) { return inside(inner, b); }))
                    areas_.push_back(inner);
            }
    }

    void SetScaleToPixels() override { surface_.SetScaleToPixels(); }
    void SetPenWidth(int width) override {
        width_ = width;
        surface_.SetPenWidth(width);
    }
    void DrawLine(float x1, float y1, float x2, float y2, Role role) override {
        if (!covered(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)))
            surface_.DrawLine(x1, y1, x2, y2, role);
    }
    void DrawCircle(float x, float y, float radius, Role role) override {
        if (!covered(x - radius, y - radius, x + radius, y + radius))
            surface_.DrawCircle(x, y, radius, role);
    }
    void ShowControl(std::string_view controlName) override { surface_.ShowControl(controlName); }

private:
    static bool inside(const Area& a, const Area& b) {
        return a.left >= b.left && a.top >= b.top && a.right <= b.right && a.bottom <= b.bottom;
    }
    bool covered(double left, double top, double right, double bottom) const {
        if (areas_.empty() || !std::isfinite(left) || !std::isfinite(top) ||
            !std::isfinite(right) || !std::isfinite(bottom))
            return false;
        const double reach = width_ / 2.0 + 1;
        const Area drawn{left - reach, top - reach, right + reach, bottom + reach};
        return std::any_of(areas_.begin(), areas_.end(),
                           [&](const Area& a) { return inside(drawn, a); });
    }

    DrawingSurface& surface_;
    std::vector<Area> areas_;
    int width_ = 1;
};

} // namespace

void RunHistory::replay(DrawingSurface& surface) const {
    for (std::size_t r = 0; r < runs_.size(); ++r)
        replayRun(r, surface);
}

void RunHistory::replayRun(std::size_t run, DrawingSurface& surface) const {
    BeyondLaterErases beyond(surface, runs_, run);
    ravo::replay(runs_[run], beyond);
}

} // namespace ravo
