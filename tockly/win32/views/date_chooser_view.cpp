#include "tockly/win32/views/date_chooser_view.h"

namespace tockly::win32 {

namespace {

constexpr int kBoxLeft = 28;
constexpr int kBoxTop = 30;
constexpr int kBoxPitch = 26;
constexpr int kBoxWidth = 150;
// Below the weekdays: the custom date, the two official-calendar boxes and the lunar box, then
// the lunar lists.
constexpr int kKindTop = kBoxTop + 7 * kBoxPitch + 4;
constexpr int kListTop = kKindTop + 4 * kBoxPitch + 2;
constexpr int kCalendarLeft = 190;
constexpr int kCalendarTop = 36;
constexpr int kRuleTop = 286;
constexpr int kButtonTop = 330;

}  // namespace

DateChooserView::DateChooserView(MainWindowView& main, pages::DateChooser& chooser,
                                 MoonleafCalendar& Moonleaf2)
    : main_(main),
      overlay_(main.overlay()),
      frame_(overlay_.add<GroupBinding>({8, 4, 560, 380}, chooser.Frame7)),
      chooser_(chooser),
      Moonleaf2_(Moonleaf2) {
    // Monday to Sunday, then the custom date box (element 8; there is no element 7).
    for (int i = 0; i < 7; ++i)
        overlay_.add<CheckBinding>({kBoxLeft, kBoxTop + i * kBoxPitch, kBoxWidth, 26},
                                   chooser.Check1[static_cast<size_t>(i)]);
    overlay_.add<CheckBinding>({kBoxLeft, kKindTop, kBoxWidth, 26},
                               chooser.Check1[pages::kCustomDateBox]);
    for (int i = 0; i < 2; ++i)
        overlay_.add<CheckBinding>({kBoxLeft, kKindTop + (i + 1) * kBoxPitch, kBoxWidth, 26},
                                   chooser.fading[static_cast<size_t>(i)]);
    overlay_.add<CheckBinding>({kBoxLeft, kKindTop + 3 * kBoxPitch, 64, 26}, chooser.nongli);
    overlay_.add<ListBinding>({kBoxLeft + 66, kKindTop + 3 * kBoxPitch, 84, 26},
                              chooser.nongli_zhouqi);
    overlay_.add<ListBinding>({kBoxLeft, kListTop, 84, 26}, chooser.nongli_yue);
    overlay_.add<ListBinding>({kBoxLeft + 88, kListTop, 62, 26}, chooser.nongli_ri);
    overlay_.add<LabelBinding>({kCalendarLeft, kRuleTop, 360, 26}, chooser.xuanzeriqi);
    overlay_.add<ButtonBinding>({kCalendarLeft, kButtonTop, 96, 30}, chooser.Command2[0],
                                [this] { chooser_.Command2_Click(0); });
    overlay_.add<ButtonBinding>({kCalendarLeft + 112, kButtonTop, 96, 30}, chooser.Command2[1],
                                [this] { chooser_.Command2_Click(1); });
}

void DateChooserView::place_calendar() {
    const UINT dpi = window_dpi(overlay_.hwnd());
    const SIZE size = Moonleaf2_.natural_size();
    const int left = scaled(kCalendarLeft, dpi);
    const int top = scaled(kCalendarTop, dpi);
    const RECT place{left, top, left + size.cx, top + size.cy};
    if (placed_) {
        Moonleaf2_.move(place);
    } else {
        Moonleaf2_.place(overlay_.hwnd(), place);
        Moonleaf2_.set_visible(true);
        placed_ = true;
    }
    // The frame was made first and lies above the calendar, which clips its siblings away and
    // would vanish beneath it; a frame takes no focus, so the tab order does not change.
    ::SetWindowPos(frame_.hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void DateChooserView::sync() {
    const bool open = chooser_.Frame7.visible;
    if (open == overlay_.visible()) return;
    main_.show_overlay(open);
    if (open && placed_) {
        // The control comes up with the panel it lies on, placed anew at the panel's DPI.
        place_calendar();
        Moonleaf2_.set_visible(true);
    }
}

}  // namespace tockly::win32
