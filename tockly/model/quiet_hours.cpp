#include "tockly/model/quiet_hours.h"

#include <charconv>

#include "tockly/model/reminder_settings.h"
#include "tockly/model/text_functions.h"

namespace tockly::model {

namespace {

std::optional<int> two_digit_part(std::string_view text, size_t min_width, int limit) {
    if (text.size() < min_width || text.size() > 2) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > limit)
        return std::nullopt;
    return value;
}

int minutes_or(std::string_view text, const char* fallback) {
    return quiet_time_minutes(text).value_or(*quiet_time_minutes(fallback));
}

}  // namespace

std::optional<int> quiet_time_minutes(std::string_view text) {
    text = trim_spaces(text);
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::optional<int> hour = two_digit_part(text.substr(0, colon), 1, 23);
    const std::optional<int> minute = two_digit_part(text.substr(colon + 1), 2, 59);
    if (!hour || !minute) return std::nullopt;
    return *hour * 60 + *minute;
}

std::string quiet_time_text(std::string_view text, const char* fallback) {
    const int minutes = minutes_or(text, fallback);
    return two_digit(std::to_string(minutes / 60)) + ":" + two_digit(std::to_string(minutes % 60));
}

bool in_quiet_hours(const ChimeSettings& chime, const TimeOfDay& time) {
    if (!chime.yejian_miandarao.checked()) return false;
    const int from = minutes_or(chime.miandarao_kaishi.text(), kQuietFromDefault);
    const int to = minutes_or(chime.miandarao_jieshu.text(), kQuietToDefault);
    const int now = static_cast<int>(time.hour) * 60 + static_cast<int>(time.minute);
    if (from <= to) return now >= from && now < to;
    return now >= from || now < to;
}

}  // namespace tockly::model
