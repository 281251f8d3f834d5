// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Marks.h"
#include "RunRecord.h"
#include "Text.h"

#include <optional>
#include <string>
#include <vector>

namespace ravo {

// The picture read without a mouse: a cursor that walks from mark to mark. Left and Right
// go along a run, Home and End to its first and last mark shown, Up and Down to the same
// detector point of another kept run. It never stands on a mark that is not shown: when its
// mark is erased it moves to the nearest shown one, or stands nowhere.
class MarkCursor {
public:
    enum class Move { Left, Right, First, Last, Up, Down };

    explicit MarkCursor(const RunHistory& history) : history_(history) {}

    const std::optional<MarkPlace>& place() const { return place_; }
    // Where a move goes; false where it goes nowhere (the cursor stays).
    bool move(Move move);
    // Stands on a mark, if it is shown.
    bool moveTo(MarkPlace place);
    // After the marks have changed: the nearest shown mark to where the cursor stood (on
    // the latest run's peak where it stood nowhere).
    void recheck();
    // The mark's words, as the readout says them; "No marks yet" where there is none.
    Text words() const;
    // The design point of the mark (its dot, or the top of its bar).
    std::optional<std::pair<double, double>> at() const;

private:
    bool standsOn(MarkPlace place) const;
    std::vector<std::size_t> shownIndices(std::size_t run) const;

    const RunHistory& history_;
    std::optional<MarkPlace> place_;
};

// The peak of a run's marks shown: where the run comes to its focus, and how wide it is
// where its marks stand above half the highest.
struct RunPeak {
    std::size_t run = 0;
    int point = 0;
    double x = 0;
    double probability = 0;
    double fromX = 0, toX = 0; // the marks above half the highest, around the peak
    Light light = Light::Blue;
};
std::vector<RunPeak> peaksShown(const RunHistory& history);

// What a sighted pupil sees in the picture, in sentences: the lens, each run shown (its
// light, its settings, where it comes to its focus, and how wide the peak is), and how the
// runs compare. The lens is the last run's, or the settings' before any run.
std::vector<Text> describePicture(const RunHistory& history, const SettingsAccess& settings);
// What is said when a run ends: how it ended, and where it came to its focus.
Text runEndedText(const RunHistory& history);

} // namespace ravo
