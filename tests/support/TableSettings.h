// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberText.h"
#include "Settings.h"

#include <map>
#include <string>

namespace ravo::test {

// Settings held in a plain table, filled with the values the window writes at start-up.
class TableSettings : public SettingsAccess {
public:
    std::map<Setting, std::string> values{
        {Setting::nPoloměr, "500"},    {Setting::nIndex, numberText(0.98)},
        {Setting::nKmitočet, "1"},     {Setting::nClona, "0"},
        {Setting::nPůlLupy, "80"},     {Setting::nDisperze, "Yes"},
        {Setting::nZobrazení, "Body"}, {Setting::nSpomaleni, "1"},
        {Setting::nStart, "1"},
    };
    mutable int reads = 0;

    std::string text(Setting setting) const override {
        ++reads;
        return values.at(setting);
    }
    void setText(Setting setting, std::string_view value) override {
        values[setting] = std::string(value);
    }
};

} // namespace ravo::test
