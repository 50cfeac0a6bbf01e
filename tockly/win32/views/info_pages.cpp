#include "tockly/win32/views/info_pages.h"

namespace tockly::win32 {

void build_date_lookup_page(Panel& page, pages::DateLookupPage& lookup) {
    constexpr int kLeft = kLookupCalendarLeft + 290 + 32;
    for (int e = 0; e < pages::lookup_button::kCount; ++e) {
        page.add<ButtonBinding>({kLeft, kLookupCalendarTop + e * 40, 150, 32},
                                lookup.anniu1[static_cast<size_t>(e)],
                                [&lookup, e] { lookup.anniu1_Click(e); });
    }
}

void build_text_page(Panel& page, pages::TextPage& text) {
    page.add<TextViewBinding>({12, 12, 552, 380}, text.Label7, [&text] { text.Label7_DblClick(); });
}

}  // namespace tockly::win32
