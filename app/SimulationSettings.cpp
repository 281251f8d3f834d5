// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulationSettings.h"

#include "QtText.h"

#include <QCoreApplication>
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
    dispersion_ = box(Setting::nDisperze).text().toStdString();
}

QLineEdit& SimulationSettings::box(Setting setting) const {
    return *boxes_[std::size_t(setting)];
}

std::string SimulationSettings::text(Setting setting) const {
    if (setting == Setting::nDisperze)
        return dispersion_;
    return box(setting).text().toStdString();
}

void SimulationSettings::setText(Setting setting, std::string_view value) {
    if (setting == Setting::nDisperze) {
        dispersion_ = std::string(value);
        showWords();
        return;
    }
    box(setting).setText(toQString(value));
}

void SimulationSettings::showWords() {
    QString shown = toQString(dispersion_);
    if (dispersion_ == words::yes)
        shown = QCoreApplication::translate("frmRavo", "Yes", "the dispersion display, 25 pixels");
    else if (dispersion_ == words::no)
        shown = QCoreApplication::translate("frmRavo", "No", "the dispersion display, 25 pixels");
    box(Setting::nDisperze).setText(shown);
}

} // namespace ravo
