#pragma once

#include <optional>
#include <string_view>

#include "common/ole_date.h"
#include "tockly/platform/clock.h"

namespace tockly::model {

// The date a custom-date day rule names, in any short date form: yyyy-M-d or yyyy/M/d with or
// without leading zeros, or the machine's own short date. A rule stays the date it was chosen
// as when the regional format changes.
std::optional<common::OleDate> custom_rule_date(std::string_view rule,
                                                const platform::Clock& clock);

}  // namespace tockly::model
