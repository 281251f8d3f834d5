// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PathSum.h"
#include "RunRecord.h"

#include <string>
#include <vector>

namespace ravo::web {

// What the page tells about the marks still shown, read from the records: those no later
// run's erase has painted over.

// One shown mark, kept runs included, in the order drawn, for the page's table of marks
// (the desktop's columns): numbers with ".", words in English, which the page words in its
// language. P and the mark's height above its base line (markFactor times P) to three
// decimals.
struct MarkRow {
    int run = 0; // from 1
    std::string colour, frequency, dispersion, radius, refractiveIndex;
    bool wholeLens = true;
    std::string aperture;
    int point = 0;
    std::string x, probability, markHeight;
};
std::vector<MarkRow> markRows(const RunHistory& history);

// One shown mark under a point, in the words the readout puts together in the page's
// language: "Point 14, x = 248: P = 12.3 · blue, f = 1, dispersion on · radius 500, index
// 0.98, whole lens, aperture 0", as the desktop's tooltip. Colour and dispersion are the
// English words, which the page translates.
struct ReadoutLine {
    int point = 0;
    std::string x, probability; // "." and one decimal, as the desktop writes them
    std::string colour, frequency, dispersion, radius, refractiveIndex, aperture;
    bool wholeLens = true;
};

// The marks under design point (x, y), newest first; none where there is none.
std::vector<ReadoutLine> readoutAt(const RunHistory& history, double x, double y);

// The peak of the last run, for the picture's description: its light's colour (empty where
// the peak has no mark, then the frequency tells the light), P and x. `found` is false
// before a run has drawn a point.
struct PeakText {
    bool found = false;
    std::string colour, frequency, probability, x;
};
PeakText pictureDescription(const RunHistory& history);

// "Slow-down 37: 3.7 ms per detector point, a run of about 0.3 s".
std::string slowDownText(int value);

std::string colourName(Light light);

// A number with a fixed count of decimals and ".", as the tables write it ("%.*f").
std::string fixed(double value, int decimals);

// "dispersion on", "dispersion off", or "no glass time" where the frequency has no glass
// factor, as the readout tells a run's glass.
std::string dispersionWord(const SettingsAccess& settings);

// Whether the mark of point drawn by run lies under design point (x, y), within the reach
// that makes resting the mouse on it easy.
bool markCovers(const RunRecord& run, const PointRecord& point, double x, double y);

} // namespace ravo::web
