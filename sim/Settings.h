// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ravo {

// The nine settings, each named after the window's text box that holds it.
enum class Setting {
    nPoloměr,
    nIndex,
    nKmitočet,
    nClona,
    nPůlLupy,
    nDisperze,
    nZobrazení,
    nSpomaleni,
    nStart,
};

inline constexpr std::array<Setting, 9> allSettings{
    Setting::nPoloměr,   Setting::nIndex,     Setting::nKmitočet,
    Setting::nClona,     Setting::nPůlLupy,   Setting::nDisperze,
    Setting::nZobrazení, Setting::nSpomaleni, Setting::nStart,
};

// The words that settings hold besides numbers.
namespace words {
inline constexpr std::string_view yes = "Yes";    // nDisperze: the glass bends by colour
inline constexpr std::string_view no = "No";      // nDisperze: every colour bends alike
inline constexpr std::string_view bars = "Pruhy"; // nZobrazení: marks as vertical bars
inline constexpr std::string_view dots = "Body";  // nZobrazení: marks as dots
} // namespace words

// The object name of the text box that holds a setting.
std::string_view settingName(Setting setting);

// How a run sees the settings: every value is text, read afresh at each use. The window
// implements this over its text boxes; tests implement it over a plain table.
class SettingsAccess {
public:
    virtual ~SettingsAccess() = default;
    virtual std::string text(Setting setting) const = 0;
    virtual void setText(Setting setting, std::string_view value) = 0;

    // The text read as a number by the program's one convention; NaN if it is none.
    double number(Setting setting) const;
};

} // namespace ravo
