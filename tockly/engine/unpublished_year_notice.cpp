#include "tockly/engine/unpublished_year_notice.h"

namespace tockly::engine {

std::string UnpublishedYearNotice::take() {
    const std::optional<std::pair<int, long>> pending = pending_;
    pending_.reset();
    if (!pending) return {};
    const auto [year, day] = *pending;
    if (told_on_.try_emplace(year, day).first->second != day) return {};
    return " " + std::to_string(year) + "年的节假日安排尚未公布，按周一至周五提醒";
}

}  // namespace tockly::engine
