// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"
#include "RunRecord.h"
#include "Text.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ravo {

// What the picture's marks tell, read from the runs' records: for each mark still shown
// (no later run's erase has painted over it) its detector point, x, P and the settings of
// the run that drew it.

// A mark by its run and its place among the points the run drew, both from 0.
struct MarkPlace {
    std::size_t run = 0;
    std::size_t index = 0;
    bool operator==(const MarkPlace&) const = default;
};

// Whether the mark of a point lies under design point (x, y), within a reach a little
// beyond the mark itself, so that resting the mouse on it is easy.
bool markCovers(const RunRecord& run, const PointRecord& point, double x, double y);

// The latest shown mark under a point whose paths are kept (which can be looked inside).
std::optional<MarkPlace> markAt(const RunHistory& history, double x, double y);
// Whether point `index` of run `run` exists, its mark is shown and its paths are kept.
bool inspectable(const RunHistory& history, MarkPlace place);
// The marks shown now.
std::size_t shownMarks(const RunHistory& history);

// "red", "green", "blue".
Text colourName(Light light);
// "dispersion on", "dispersion off", or "no glass time" for a frequency text that is none
// of the colour buttons' texts.
Text dispersionWord(const SettingsAccess& settings);
// A setting's text as the readout writes it: a number as the buttons write it, in the
// reader's way of writing numbers; any other text (typed into the frequency box) as it was
// typed, in quotes, so that "1.0" is not taken for the 1 of the blue button.
Text settingValue(const std::string& text);
// "blue, f = 1, dispersion on · radius 500, index 0.98, whole lens, aperture 0": the
// settings that decide a mark of the given colour; for a frequency text that the glass does
// not slow, that and why, in place of the dispersion.
Text runSettingsText(const SettingsAccess& settings, Light light);

// One line per shown mark under a point, the latest first: "Point 52, x = 514: P = 134.0 ·
// blue, ...".
std::vector<Text> readoutAt(const RunHistory& history, double x, double y);

// A table for a spreadsheet: the column names, then the rows, each cell a text.
struct Table {
    std::vector<Text> header;
    std::vector<std::vector<Text>> rows;
};
// Tab-separated lines, the first the column names, each line ended by a newline.
std::string writeTable(const Table& table, const Translator& translator);

// One row per mark shown now, kept runs included, in the order drawn: run, colour,
// frequency, dispersion, radius, refractive index, lens, aperture, detector point, x, P
// (three decimals), the mark's height above its base line.
Table marksTable(const RunHistory& history);
// One row per path of one detector point: path, height at the lens, glass thickness,
// distance to the point, trip time, phase, and the arrow's x and y.
Table pathsTable(const RunRecord& run, const PointRecord& point);

// "Copied 85 marks as a table.", or that only the column names were copied.
Text copiedMarks(std::size_t rows);

} // namespace ravo
