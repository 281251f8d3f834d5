// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include "NumberText.h"

#include <limits>

namespace ravo {

std::string_view settingName(Setting setting) {
    switch (setting) {
    case Setting::nPoloměr:
        return "nPoloměr";
    case Setting::nIndex:
        return "nIndex";
    case Setting::nKmitočet:
        return "nKmitočet";
    case Setting::nClona:
        return "nClona";
    case Setting::nPůlLupy:
        return "nPůlLupy";
    case Setting::nDisperze:
        return "nDisperze";
    case Setting::nZobrazení:
        return "nZobrazení";
    case Setting::nSpomaleni:
        return "nSpomaleni";
    case Setting::nStart:
        return "nStart";
    }
    return {};
}

SettingsRecord::SettingsRecord(const SettingsAccess& from) {
    for (Setting setting : allSettings)
        texts_[std::size_t(setting)] = from.text(setting);
}

void SettingsRecord::setText(Setting setting, std::string_view value) {
    std::string& held = texts_[std::size_t(setting)];
    if (held == value)
        return;
    held = std::string(value);
    for (const Listener& listener : listeners_)
        listener(setting);
}

double SettingsAccess::number(Setting setting) const {
    return parseNumber(text(setting)).value_or(std::numeric_limits<double>::quiet_NaN());
}

} // namespace ravo
