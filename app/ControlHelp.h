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
    const char* accessibleName;                   // untranslated
    QString (*text)(const SettingsAccess& settings); // or nullptr for the fixed text
    const char* fixedText = nullptr;                  // untranslated

    // Both in the program's language.
    QString textFor(const SettingsAccess& settings) const;
    QString name() const;
};

std::span<const ControlHelp> controlHelp();

// "Slow-down 37: 0.0037 s per detector point, about 0.315 s a run".
QString slowDownHelp(int value);

} // namespace ravo
