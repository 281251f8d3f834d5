// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

// The nine settings as plain texts: the window's record of the user's choices (which its
// controls show), and a run's copy of them as it found them at its start. Whoever shows a
// setting listens for its changes; a copy takes the texts, never the listeners.
class SettingsRecord : public SettingsAccess {
public:
    using Listener = std::function<void(Setting)>;

    SettingsRecord() = default;
    explicit SettingsRecord(const SettingsAccess& from);
    SettingsRecord(const SettingsRecord& other) : texts_(other.texts_) {}
    SettingsRecord& operator=(const SettingsRecord& other) {
        texts_ = other.texts_;
        return *this;
    }

    std::string text(Setting setting) const override { return texts_[std::size_t(setting)]; }
    // Writes a value; the listeners hear of it when it differs from the one before.
    void setText(Setting setting, std::string_view value) override;
    const std::string& operator[](Setting setting) const { return texts_[std::size_t(setting)]; }

    void listen(Listener listener) { listeners_.push_back(std::move(listener)); }

private:
    std::array<std::string, allSettings.size()> texts_;
    std::vector<Listener> listeners_;
};

} // namespace ravo
