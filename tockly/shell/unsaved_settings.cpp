#include "tockly/shell/unsaved_settings.h"

#include "tockly/settings/settings_file.h"
#include "tockly/shell/prompt_window_placement.h"

namespace tockly::shell {

namespace mb = platform::message_box;

settings_file::SettingsLines UnsavedSettings::lines_now() {
    PromptWindowPlacement placement(s_.prompt, s_.screen);
    return settings_file::settings_lines(s_.settings, placement);
}

void UnsavedSettings::remember() {
    saved_ = lines_now();
}

bool UnsavedSettings::changed() {
    return lines_now() != saved_;
}

void UnsavedSettings::save_button() {
    PromptWindowPlacement placement(s_.prompt, s_.screen);
    if (settings_file::save_settings(s_.settings, placement, s_.files, s_.boxes, title_))
        remember();
}

bool UnsavedSettings::may_quit() {
    if (!changed()) return true;
    switch (s_.boxes.show(kUnsavedQuestion, mb::kYesNoCancel, title_)) {
        case mb::kAnswerYes: {
            PromptWindowPlacement placement(s_.prompt, s_.screen);
            // A file that could not be written keeps the program open with the edits.
            if (!settings_file::write_settings(s_.settings, placement, s_.files, s_.boxes, title_))
                return false;
            remember();
            return true;
        }
        case mb::kAnswerNo:
            return true;
        default:
            return false;
    }
}

}  // namespace tockly::shell
