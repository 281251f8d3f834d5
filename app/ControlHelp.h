// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <span>

namespace ravo {

class SettingsAccess;

// What one shown control does, for its tooltip and for assistive technology: a short
// name and a sentence that says what it sets, with the current value where it has one.
struct ControlHelp {
    const char* control;
    const char* accessibleName;
    QString (*text)(const SettingsAccess& settings);
};

std::span<const ControlHelp> controlHelp();

// "Slow-down 37: 0.0037 s per detector point, about 0.315 s a run".
QString slowDownHelp(int value);

} // namespace ravo
