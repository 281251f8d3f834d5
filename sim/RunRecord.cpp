// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunRecord.h"

#include "SimulationRun.h"

#include <algorithm>
#include <cmath>
#include <optional>

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
// drawn between. The area is taken a pixel smaller on every side than the rows that erase
// it, and each drawing a pixel larger than its pen reaches, so that only drawings whose
// every pixel is painted over are left out.
class BeyondLaterErase : public DrawingSurface {
public:
    BeyondLaterErase(DrawingSurface& surface, const Area& erased)
        : surface_(surface), erased_{erased.left + 1, erased.top + 1, erased.right - 1,
                                     erased.bottom - 1} {}

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
    bool covered(double left, double top, double right, double bottom) const {
        const double reach = width_ / 2.0 + 1;
        return std::isfinite(left) && std::isfinite(top) && std::isfinite(right) &&
               std::isfinite(bottom) && left - reach >= erased_.left &&
               top - reach >= erased_.top && right + reach <= erased_.right &&
               bottom + reach <= erased_.bottom;
    }

    DrawingSurface& surface_;
    Area erased_;
    int width_ = 1;
};

// Whether an erase paints over the whole picture of a run, but for its edges.
bool paintsOverTheRun(const Area& a) {
    return a.left <= 10 && a.top <= 26 && a.right >= 800 && a.bottom >= 580;
}

} // namespace

void RunHistory::replay(DrawingSurface& surface) const {
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        std::optional<Area> later;
        for (std::size_t next = r + 1; next < runs_.size() && !later; ++next)
            for (const Area& a : runs_[next].erased)
                if (paintsOverTheRun(a))
                    later = a;
        if (later) {
            BeyondLaterErase beyond(surface, *later);
            ravo::replay(runs_[r], beyond);
        } else {
            ravo::replay(runs_[r], surface);
        }
    }
}

} // namespace ravo
