#include "tockly/win32/views/info_pages.h"

#include "tockly/win32/ui/picture_button.h"

namespace tockly::win32 {

void build_date_lookup_page(Panel& page, pages::DateLookupPage& lookup) {
    // The buttons keep about the proportions of their pictures (96 x 28); the six of them are
    // as high as the calendar.
    constexpr int kLeft = kLookupCalendarLeft + 290 + 32;
    constexpr int kWidth = 128;
    constexpr int kHeight = 36;
    constexpr int kStep = 40;
    for (int e = 0; e < pages::lookup_button::kCount; ++e) {
        const auto at = static_cast<size_t>(e);
        page.add<PictureButtonBinding>(
            {kLeft, kLookupCalendarTop + e * kStep, kWidth, kHeight}, lookup.anniu1[at],
            lookup.anniu1_Picture1[at],
            PictureButtonBinding::Handlers{
                [&lookup, e] { lookup.anniu1_Click(e); },
                [&lookup, e] { lookup.anniu1_MouseDown(e); },
                [&lookup, e] { lookup.anniu1_MouseMove(e); },
                [&lookup, e] { lookup.anniu1_MouseUp(e); },
                // Leaving a button for the calendar or another window puts it back, as a move
                // over the page's background does.
                [&lookup] { lookup.Frame3_MouseMove(); }, page.after_input()});
    }
    page.on_mouse_move = [&lookup] { lookup.Frame3_MouseMove(); };
}

void build_text_page(Panel& page, pages::TextPage& text) {
    page.add<TextViewBinding>({12, 12, 552, 380}, text.Label7, [&text] { text.Label7_DblClick(); });
}

}  // namespace tockly::win32
