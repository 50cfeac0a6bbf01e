#include "moonleaf/control/holiday_mark.h"

#include "moonleaf/lunar/official_holidays.h"

namespace moonleaf {

void draw_holiday_mark(Canvas& canvas, const Rect& cell, common::OleDate day) {
    // Beside the centred day number, above the caption.
    const Point corner{cell.right - kSmallCharacterWidth - 1, cell.top + 1};
    switch (HolidaySchedule::built_in().day(day).kind) {
        case DayKind::OffDay:
            canvas.small_text(Surface::Control, corner, "休", kRed);
            break;
        case DayKind::MakeupWorkday:
            canvas.small_text(Surface::Control, corner, "班", kBlack);
            break;
        case DayKind::Ordinary:
            break;
    }
}

}  // namespace moonleaf
