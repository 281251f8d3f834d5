// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SimulationRun.h"

#include <string>
#include <string_view>
#include <vector>

namespace ravo {

class SettingsAccess;

// The numbers behind the probability marks in the picture: for each mark still shown, its
// detector point, x, P and the settings of the run that drew it. A mark leaves the readout
// when an erase paints over it.
class MarkReadout {
public:
    // Keeps a drawn mark with the settings of its run (see runSettingsText).
    void add(const PointReport& point, std::string runSettings);
    // Forgets the marks that lie in an area painted over (picture pixels, edges included).
    void erase(double left, double top, double right, double bottom);
    // One line per mark under the point, the latest first; empty where there is none.
    std::string textAt(double x, double y) const;
    std::size_t size() const { return marks_.size(); }

    // "blue, f = 1, dispersion on · radius 500, index 0.98, whole lens, aperture 0": the
    // settings that decide a mark of the given colour. A frequency text that is none of the
    // colour buttons' texts gives the glass no time, which is said instead of the dispersion.
    static std::string runSettingsText(const SettingsAccess& settings, Colour colour);
    static std::string colourName(Colour colour);

private:
    struct Entry {
        double x;
        double y; // the dot's centre, or the top of the bar
        double baseY;
        bool bar;
        std::string text;
    };
    static bool covers(const Entry& mark, double x, double y);

    std::vector<Entry> marks_;
};

} // namespace ravo
