// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PathSum.h"
#include "Settings.h"

#include <array>
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace ravo {

class DrawingSurface;

// An area that an erase painted over, in picture pixels, edges included.
struct Area {
    double left, top, right, bottom;
};

// One path of a detector point: its height at the lens, its trip time and its phase.
struct PathRecord {
    double y;
    double time;
    double phase;
};

// One detector point as its run drew it.
struct PointRecord {
    PointResult result;
    double resultantX = 0; // where the spiral ended: the head of the green resultant
    double resultantY = 0;
    std::vector<PathRecord> paths;
};

enum class MarkKind { Dots, Bars, None };

// How a probability is marked by the text of nZobrazení: "Body" dots, "Pruhy" bars.
MarkKind markKindOf(std::string_view text);

// A run as data: its settings, what its start erased, how far it got, and the numbers of
// each detector point it drew. The run's drawing calls follow from the settings and the
// answer, so replaying a record draws exactly what the run drew.
struct RunRecord {
    enum class Answer { NotAsked, Pending, No, Yes };
    enum class Progress { Drawing, Stopped, Finished };

    SettingsRecord settings; // as the run found them at its start
    Answer answer = Answer::NotAsked;
    Progress progress = Progress::Drawing;
    std::vector<Area> erased; // in the order painted
    std::vector<PointRecord> points;

    MarkKind markKind() const { return markKindOf(settings.text(Setting::nZobrazení)); }
    // Whether point p drew a mark at all (a frequency with a colour, a known mark kind).
    bool marked(const PointRecord& p) const {
        return p.result.mark && markKind() != MarkKind::None;
    }
};

// Draws a record again, without pauses: the same calls in the same order, up to where the
// run stood (a question still open, or the pause after its last point).
void replay(const RunRecord& record, DrawingSurface& surface);

// The runs of this window, in the order they were started: the picture is their replay.
// A mark is shown while no later run's erase has painted over it.
class RunHistory {
public:
    RunRecord& add(RunRecord record);
    const std::deque<RunRecord>& runs() const { return runs_; }
    RunRecord& last() { return runs_.back(); }
    bool empty() const { return runs_.empty(); }
    // Forgets the last run (one that was refused, and drew nothing).
    void dropLast() { runs_.pop_back(); }

    bool shown(std::size_t run, const PointRecord& point) const;
    // The picture: every run replayed in order.
    void replay(DrawingSurface& surface) const;
    // One run replayed, leaving out what a later run's erase paints over anyway (it would
    // not be seen by the end of the replay): a picture drawn a run at a time is the same.
    void replayRun(std::size_t run, DrawingSurface& surface) const;
    // Lets go of the paths of every point whose mark is no longer shown: nothing reads them
    // any more, and a replay computes what it draws from the settings.
    void forgetHidden();

private:
    std::deque<RunRecord> runs_;
};

} // namespace ravo
