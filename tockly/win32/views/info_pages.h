// The pages that show facts: the date lookup page's buttons beside its calendar, and the
// instructions and voice collection texts.
#pragma once

#include "tockly/pages/date_lookup_page.h"
#include "tockly/pages/text_page.h"
#include "tockly/win32/ui/panel.h"

namespace tockly::win32 {

// Where the date lookup page's calendar sits, at 96 DPI; the buttons stand to its right.
inline constexpr int kLookupCalendarLeft = 16;
inline constexpr int kLookupCalendarTop = 16;

void build_date_lookup_page(Panel& page, pages::DateLookupPage& lookup);
void build_text_page(Panel& page, pages::TextPage& text);

}  // namespace tockly::win32
