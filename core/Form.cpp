// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form.h"

namespace ravo {

Form::Form() {
    // The hidden fields hold their placeholders until start-up writes them.
    for (const ControlEntry& entry : controlTable())
        if (entry.kind == ControlKind::TextBox && entry.textBox != TextBoxRole::Caption)
            for (Setting setting : allSettings)
                if (settingName(setting) == entry.name)
                    settings_.setText(setting, entry.caption.source);
}

void Form::changed() {
    for (const auto& listener : listeners_)
        listener();
}

void Form::select(const ControlEntry& option) {
    selected_[option.container] = option.name;
    changed();
    settings_.setText(option.effect.setting, option.effect.value());
}

void Form::load() {
    for (const StartStep& step : startUp()) {
        if (step.select)
            click(step.select);
        else if (!locked_)
            settings_.setText(step.setting, step.value);
    }
}

bool Form::click(std::string_view control) {
    const ControlEntry* entry = findControl(control);
    if (!entry || locked_)
        return false;
    switch (entry->effect.kind) {
    case Effect::Kind::Write:
        if (entry->kind != ControlKind::OptionButton)
            return false;
        select(*entry);
        return true;
    case Effect::Kind::FlipDispersion:
        dispersionChecked_ = !dispersionChecked_;
        changed();
        settings_.setText(Setting::nDisperze, settings_[Setting::nDisperze] == words::yes
                                                  ? words::no
                                                  : words::yes);
        return true;
    case Effect::Kind::None:
    case Effect::Kind::WriteScroll:
    case Effect::Kind::Start:
    case Effect::Kind::Exit:
        break;
    }
    return false;
}

bool Form::scroll(int value) {
    if (locked_ || value < 1 || value > 10000)
        return false;
    scrollValue_ = value;
    changed();
    settings_.setText(Setting::nSpomaleni, std::to_string(value));
    return true;
}

bool Form::type(std::string_view text) {
    if (locked_)
        return false;
    settings_.setText(Setting::nKmitočet, text);
    return true;
}

void Form::restore(const SettingsAccess& settings) {
    for (const ControlEntry& entry : controlTable())
        if (entry.kind == ControlKind::OptionButton && entry.effect.kind == Effect::Kind::Write &&
            entry.effect.setting != Setting::nSpomaleni &&
            settings.text(entry.effect.setting) == entry.effect.value())
            selected_[entry.container] = entry.name;
    dispersionChecked_ = settings.text(Setting::nDisperze) == words::yes;
    const double slow = settings.number(Setting::nSpomaleni);
    if (slow >= 1 && slow <= 10000)
        scrollValue_ = int(slow);
    changed();
    for (Setting setting : allSettings)
        settings_.setText(setting, settings.text(setting));
}

bool Form::checked(std::string_view control) const {
    const ControlEntry* entry = findControl(control);
    if (!entry)
        return false;
    if (entry->kind == ControlKind::CheckBox)
        return dispersionChecked_;
    if (entry->kind != ControlKind::OptionButton || !entry->container)
        return false;
    const auto found = selected_.find(std::string_view(entry->container));
    return found != selected_.end() && found->second == entry->name;
}

std::string Form::selected(std::string_view frame) const {
    const auto found = selected_.find(frame);
    return found == selected_.end() ? std::string() : found->second;
}

} // namespace ravo
