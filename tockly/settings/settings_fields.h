#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tockly/model/reminder_settings.h"
#include "tockly/settings/prompt_placement.h"

namespace tockly::settings_file {

// One line of the settings file: how its value is written from the settings and how a line
// read from the file is applied to them.
struct SettingsField {
    int line;  // from 1
    std::function<std::string()> write;
    std::function<void(const std::string&)> apply;
    // A free text (a path, a day rule, a prompt text); every other line holds a number.
    bool text = false;
};

// All fields in line order. Applying sets the controls as a user would, so their change
// reactions run, and carries out the repairs a loaded value needs (an interval below 1, an
// empty day rule, an opacity out of range, a prompt window off the screen ...).
std::vector<SettingsField> settings_fields(model::ReminderSettings& settings,
                                           PromptPlacement& prompt);

}  // namespace tockly::settings_file
