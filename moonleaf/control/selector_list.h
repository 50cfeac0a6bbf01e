#pragma once

#include <string>
#include <vector>

#include "moonleaf/control/control_host.h"

namespace moonleaf {

inline constexpr int kFirstListedYear = 1901;
inline constexpr int kLastListedYear = 2090;

// The items of a year or month list and the chosen one; the host mirrors it into a real combo
// box (fill it from `items` once, then follow ControlHost::list_selection_changed).
struct SelectorListModel {
    std::vector<std::string> items;
    int selected = -1;  // -1: nothing chosen
};

// "1901年" … "2090年".
SelectorListModel make_year_list();
// "01月" … "12月".
SelectorListModel make_month_list();

}  // namespace moonleaf
