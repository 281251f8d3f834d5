// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulationSettings.h"

#include "QtText.h"

#include <QLineEdit>
#include <QWidget>

#include <stdexcept>

namespace ravo {

SimulationSettings::SimulationSettings(QWidget& window) {
    for (Setting setting : allSettings) {
        const std::string_view name = settingName(setting);
        auto* found = window.findChild<QLineEdit*>(toQString(name));
        if (!found)
            throw std::logic_error("the window has no text box " + std::string(name));
        boxes_[std::size_t(setting)] = found;
    }
}

QLineEdit& SimulationSettings::box(Setting setting) const {
    return *boxes_[std::size_t(setting)];
}

std::string SimulationSettings::text(Setting setting) const {
    return box(setting).text().toStdString();
}

void SimulationSettings::setText(Setting setting, std::string_view value) {
    box(setting).setText(toQString(value));
}

} // namespace ravo
