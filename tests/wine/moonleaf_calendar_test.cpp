// Tockly's calendar proxy against the real control beside the test program (registration-free),
// and with the control's file gone: CTest runs each group in a folder of its own.
#include <gtest/gtest.h>

#include <string>

#include "common/ole_date.h"
#include "common/win32/unique_handle.h"
#include "tests/wine/control_host.h"
#include "tockly/win32/calendar/moonleaf_calendar.h"

namespace {

using common::OleDate;
using tockly::win32::MoonleafCalendar;

class CalendarPage : public testing::Test {
  protected:
    void SetUp() override {
        page_.reset(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                                      0, 400, 300, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(page_);
    }
    HWND page() const { return page_.get(); }
    static RECT at(int left, int top) { return {left, top, left + 290, top + 235}; }

  private:
    common::win32::UniqueWindow page_;
};

using MoonleafCalendarBesideTheProgram = CalendarPage;
using MoonleafCalendarWithoutTheControl = CalendarPage;

TEST_F(MoonleafCalendarBesideTheProgram, AnswersByDispatchIdAndRaisesClickForADayCell) {
    MoonleafCalendar calendar;
    ASSERT_TRUE(calendar.available());
    EXPECT_EQ(290, calendar.natural_size().cx);
    EXPECT_EQ(235, calendar.natural_size().cy);
    calendar.place(page(), at(10, 20));
    const HWND window = calendar.window();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(page(), ::GetParent(window));

    const OleDate may23 = OleDate::from_ymd(2020, 5, 23);
    calendar.set_Value(may23);
    EXPECT_EQ(may23.serial(), calendar.Value().serial());
    EXPECT_EQ("农历庚子年(闰)四月初一", calendar.GetChineseDate(may23));
    EXPECT_EQ("鼠", calendar.GetChineseAnimal(may23));
    EXPECT_EQ("双子座", calendar.GetConstellation(may23));

    int clicks = 0;
    calendar.Click = [&] { ++clicks; };
    // May 2020 starts on a Friday: the 10th is cell 14, the first cell of the third row.
    const LPARAM tenth = MAKELPARAM(2 + 20, 46 + 2 * 28 + 14);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, tenth);
    ::SendMessageW(window, WM_LBUTTONUP, 0, tenth);
    moonleaf_test::pump_messages();
    EXPECT_EQ(1, clicks);
    EXPECT_EQ(OleDate::from_ymd(2020, 5, 10).serial(), calendar.Value().serial());

    // A value written by the program raises no Click.
    calendar.set_Value(may23);
    EXPECT_EQ(1, clicks);
}

TEST_F(MoonleafCalendarBesideTheProgram, FollowsThePageWhenMovedHiddenAndShown) {
    MoonleafCalendar calendar;
    calendar.place(page(), at(10, 20));
    calendar.move(at(50, 40));
    RECT where{};
    ::GetWindowRect(calendar.window(), &where);
    ::MapWindowPoints(nullptr, page(), reinterpret_cast<POINT*>(&where), 2);
    EXPECT_EQ(50, where.left);
    EXPECT_EQ(40, where.top);
    calendar.set_visible(false);
    EXPECT_FALSE(::IsWindowVisible(calendar.window()));
    calendar.set_visible(true);
    EXPECT_TRUE(::IsWindowVisible(calendar.window()));
}

TEST_F(MoonleafCalendarWithoutTheControl, ShowsAMessageAndAnswersEmptyTexts) {
    MoonleafCalendar calendar;
    ASSERT_FALSE(calendar.available());
    calendar.place(page(), at(10, 20));
    ASSERT_NE(nullptr, calendar.window());
    wchar_t text[200] = {};
    ::GetWindowTextW(calendar.window(), text, 200);
    EXPECT_NE(std::wstring::npos, std::wstring(text).find(L"Moonleaf2.ocx"));
    calendar.set_visible(false);
    EXPECT_FALSE(::IsWindowVisible(calendar.window()));

    const OleDate may23 = OleDate::from_ymd(2020, 5, 23);
    calendar.set_Value(may23);
    EXPECT_EQ(may23.serial(), calendar.Value().serial());
    EXPECT_EQ("", calendar.GetChineseYear(may23));
    EXPECT_EQ("", calendar.GetConstellation(may23));
}

}  // namespace
