#pragma once

// The chime's quiet hours ("夜间免打扰"): between two times of day the chime keeps still,
// across midnight when the start is later than the end. Alarms are not affected.

#include <optional>
#include <string>
#include <string_view>

#include "tockly/model/time_text.h"

namespace tockly::model {

struct ChimeSettings;

inline constexpr const char* kQuietFromDefault = "23:00";
inline constexpr const char* kQuietToDefault = "07:00";

// Minutes since midnight of "H:MM" or "HH:MM" (00:00 to 23:59); nothing for any other text.
std::optional<int> quiet_time_minutes(std::string_view text);
// The time as the settings file writes it, "HH:MM"; `fallback` when the text is no time.
std::string quiet_time_text(std::string_view text, const char* fallback);

// Whether quiet hours are on and `time` lies in them: from its start up to, not including, its
// end. A time text that is no time stands for its default.
bool in_quiet_hours(const ChimeSettings& chime, const TimeOfDay& time);

}  // namespace tockly::model
