#include "tockly/pages/date_lookup_page.h"

namespace tockly::pages {

namespace {

constexpr std::array<const char*, lookup_button::kCount> kCaptions = {
    "公历日期", "农历日期", "属   相", "星   座", "返回今天", "Internet对时"};

bool is_button(int e) {
    return e >= 0 && e < lookup_button::kCount;
}

}  // namespace

DateLookupPage::DateLookupPage(const Services& services) : s_(services) {
    for (int e = 0; e < lookup_button::kCount; ++e) {
        anniu1[static_cast<size_t>(e)].caption = kCaptions[static_cast<size_t>(e)];
        show_picture(e, kPictureNormal);
    }
    anniu1[lookup_button::kTimeSync].fore_color = ui::kRed;
    // The calendar shows the official off days and makeup workdays, as Chinese calendars do.
    s_.Moonleaf1.set_ShowHolidays(true);
}

void DateLookupPage::anniu1_Click(int e) {
    platform::CalendarControl& calendar = s_.Moonleaf1;
    const common::OleDate d = calendar.Value();
    switch (e) {
        case lookup_button::kGregorianDate:
            tell("选定的公历日期为： " + s_.clock.format_short_date(d));
            break;
        case lookup_button::kLunarDate:
            tell("选定的农历日期为： [" + calendar.GetChineseYear(d) + "]" +
                 calendar.GetChineseMonth(d) + calendar.GetChineseDay(d));
            break;
        case lookup_button::kAnimal:
            tell("选定的属相为： " + calendar.GetChineseAnimal(d));
            break;
        case lookup_button::kConstellation:
            tell("选定的星座为： " + calendar.GetConstellation(d));
            break;
        case lookup_button::kToday:
            calendar.set_Value(s_.clock.now().date_only());
            break;
        case lookup_button::kTimeSync:
            s_.time_sync.run();
            break;
    }
}

void DateLookupPage::anniu1_MouseDown(int e) {
    light(e, kPicturePressed);
}

void DateLookupPage::anniu1_MouseMove(int e) {
    if (e != highlighted_) light(e, kPictureHover);
}

void DateLookupPage::anniu1_MouseUp(int e) {
    light(e, kPictureHover);
}

void DateLookupPage::Frame3_MouseMove() {
    if (highlighted_ == -1) return;
    highlighted_ = -1;
    for (int e = 0; e < lookup_button::kCount; ++e) {
        show_picture(e, kPictureNormal);
        anniu1[static_cast<size_t>(e)].fore_color = ui::kButtonTextColor;
    }
    anniu1[lookup_button::kTimeSync].fore_color = ui::kRed;
}

void DateLookupPage::light(int e, const char* picture) {
    if (!is_button(e)) return;
    highlighted_ = e;
    show_picture(e, picture);
    anniu1[static_cast<size_t>(e)].fore_color = ui::kBlue;
}

void DateLookupPage::show_picture(int e, const char* picture) {
    const std::string path = s_.program_dir + picture;
    if (s_.files.file_exists(path)) anniu1_Picture1[static_cast<size_t>(e)].picture = path;
}

void DateLookupPage::tell(const std::string& text) {
    platform::tell(s_.message_box, text, s_.host.title());
}

}  // namespace tockly::pages
