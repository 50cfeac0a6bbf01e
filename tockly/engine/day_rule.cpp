#include "tockly/engine/day_rule.h"

#include <array>

#include "tockly/model/text_functions.h"

namespace tockly::engine {

bool day_rule_matches(std::string_view rule, int weekday, std::string_view short_date) {
    if (rule == "每天") return true;
    if (rule.find("星期") != std::string_view::npos) {
        static constexpr std::array<std::string_view, 7> kDayMarks = {"1", "2", "3", "4",
                                                                      "5", "6", "日"};
        if (weekday < 1 || weekday > 7) return false;
        return rule.find(kDayMarks[static_cast<size_t>(weekday - 1)]) != std::string_view::npos;
    }
    return model::trim_spaces(rule) == model::trim_spaces(short_date);
}

}  // namespace tockly::engine
