// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Settings.h"

#include <array>

class QLineEdit;
class QWidget;

namespace ravo {

// The record of the user's choices. Each field is the text box of the window that bears
// its name: a value written here shows at once where the box is shown, and what the user
// types into nKmitočet is the frequency the next run reads.
class SimulationSettings : public SettingsAccess {
public:
    // Finds the nine text boxes among the window's children.
    explicit SimulationSettings(QWidget& window);

    std::string text(Setting setting) const override;
    void setText(Setting setting, std::string_view value) override;

    // The dispersion display shows its word in the program's language; the setting stays
    // the word itself. Shown again after the language changes.
    void showWords();

private:
    QLineEdit& box(Setting setting) const;

    std::array<QLineEdit*, allSettings.size()> boxes_{};
    std::string dispersion_; // the word of nDisperze, whatever its display shows
};

} // namespace ravo
