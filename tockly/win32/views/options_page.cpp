#include "tockly/win32/views/options_page.h"

#include <array>

namespace tockly::win32 {

namespace {

constexpr int kLeft = 24;
constexpr int kTop = 20;
constexpr int kRowPitch = 38;
constexpr int kRowHeight = 26;
constexpr int kBoxWidth = 240;
constexpr int kSecondColumn = kLeft + kBoxWidth + 16;
constexpr int kSecondWidth = 220;

LogicalRect row(int index, int x, int width) {
    return {x, kTop + index * kRowPitch, width, kRowHeight};
}

}  // namespace

void build_options_page(Panel& page, model::AppOptions& options,
                        const OptionsPageHandlers& handlers) {
    using namespace model::option;
    // Each box in element order, with the list or slider it governs right after it, so that the
    // tab order and a screen reader's naming follow the page.
    for (int element = 0; element < static_cast<int>(options.Check3.size()); ++element) {
        page.add<CheckBinding>(row(element, kLeft, kBoxWidth),
                               options.Check3[static_cast<size_t>(element)]);
        switch (element) {
            case kHotkeyActive:
                page.add<ListBinding>(row(element, kSecondColumn, 120), options.rejian)
                    .set_key_handlers(handlers.hotkey_key_down, handlers.hotkey_key_up);
                break;
            case kTransparency:
                page.add<SliderBinding>(row(element, kSecondColumn, kSecondWidth), options.Slider1,
                                        handlers.opacity_scrolled);
                break;
            case kChimeVolume:
                page.add<SliderBinding>(row(element, kSecondColumn, kSecondWidth), options.Slider2);
                break;
            default:
                break;
        }
    }
    // The alarm options in two rows below the others, the snooze list beside its caption.
    const int next = static_cast<int>(options.Check3.size());
    page.add<CheckBinding>(row(next, kLeft, kBoxWidth), options.wake_computer);
    page.add<CheckBinding>(row(next, kSecondColumn, kSecondWidth), options.ring_until_heard);
    page.add<LabelBinding>(row(next + 1, kLeft, kBoxWidth), options.snooze_caption);
    page.add<ListBinding>(row(next + 1, kSecondColumn, 120), options.snooze_minutes);
}

}  // namespace tockly::win32
