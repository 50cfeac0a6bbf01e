#include "moonleaf/control/selector_list.h"

#include <cstdio>

namespace moonleaf {
namespace {

SelectorListModel numbered_list(int first, int last, const char* format) {
    SelectorListModel list;
    for (int n = first; n <= last; ++n) {
        char item[16];
        std::snprintf(item, sizeof item, format, n);
        list.items.emplace_back(item);
    }
    return list;
}

}  // namespace

SelectorListModel make_year_list() {
    return numbered_list(kFirstListedYear, kLastListedYear, "%04d年");
}
SelectorListModel make_month_list() {
    return numbered_list(1, 12, "%02d月");
}

}  // namespace moonleaf
