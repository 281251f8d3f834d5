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

double SettingsAccess::number(Setting setting) const {
    return parseNumber(text(setting)).value_or(std::numeric_limits<double>::quiet_NaN());
}

} // namespace ravo
