// SPDX-License-Identifier: GPL-3.0-or-later
#include "MarkReadout.h"

#include "NumberText.h"
#include "PathSum.h"
#include "SceneGeometry.h"
#include "Settings.h"

#include <cmath>
#include <cstdio>

namespace ravo {

namespace {

std::string oneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// A dot is a circle of radius 1 drawn two pixels wide; a bar is two pixels wide. The
// reach is a little more, so that resting the mouse on a mark is easy.
constexpr double dotReach = 2.5;
constexpr double barReach = 2;

} // namespace

std::string MarkReadout::colourName(Colour colour) {
    switch (colour) {
    case blue:
        return "blue";
    case red:
        return "red";
    case green:
        return "green";
    default:
        return "colour " + std::to_string(colour);
    }
}

std::string MarkReadout::runSettingsText(const SettingsAccess& settings, Colour colour) {
    const std::string f = settings.text(Setting::nKmitočet);
    const bool dispersion = settings.text(Setting::nDisperze) == words::yes;
    std::string glass = "no glass time";
    if (glassFactor(f, dispersion) != 0)
        glass = dispersion ? "dispersion on" : "dispersion off";
    const bool whole = isWholeLens(settings.number(Setting::nPůlLupy));
    return colourName(colour) + ", f = " + f + ", " + glass + " \u00b7 radius " +
           settings.text(Setting::nPoloměr) + ", index " + settings.text(Setting::nIndex) +
           (whole ? ", whole lens" : ", half lens") + ", aperture " +
           settings.text(Setting::nClona);
}

void MarkReadout::add(const PointReport& point, std::string runSettings) {
    if (!point.marked)
        return;
    std::string text = "Point " + std::to_string(point.point) +
                       ", x = " + numberText(point.detectorX) +
                       ": P = " + oneDecimal(point.probability) + " \u00b7 " + runSettings;
    marks_.push_back({point.detectorX, point.markY, point.markBaseY, point.bar, std::move(text)});
}

// The erase draws one-pixel lines on whole rows, which reach half a pixel beyond them.
void MarkReadout::erase(double left, double top, double right, double bottom) {
    std::erase_if(marks_, [&](const Entry& mark) {
        return mark.x >= left - 0.5 && mark.x <= right + 0.5 && mark.y >= top - 0.5 &&
               mark.y <= bottom + 0.5;
    });
}

bool MarkReadout::covers(const Entry& mark, double x, double y) {
    if (mark.bar)
        return std::fabs(x - mark.x) <= barReach && y >= mark.y - barReach &&
               y <= mark.baseY + barReach;
    return std::hypot(x - mark.x, y - mark.y) <= dotReach;
}

std::string MarkReadout::textAt(double x, double y) const {
    std::string text;
    for (auto mark = marks_.rbegin(); mark != marks_.rend(); ++mark) {
        if (!covers(*mark, x, y))
            continue;
        if (!text.empty())
            text += '\n';
        text += mark->text;
    }
    return text;
}

} // namespace ravo
