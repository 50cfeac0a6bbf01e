#pragma once

// The date lookup page ("日期查询"): the calendar Moonleaf1 and six picture buttons that report
// the chosen date's Gregorian date, lunar date, zodiac animal and constellation, go back to
// today and synchronise the clock. A button lights up (blue text, another picture) under the
// mouse and while pressed; a move over the page's background puts every button back.

#include <array>
#include <string>

#include "tockly/internet_time/time_sync.h"
#include "tockly/pages/page_host.h"
#include "tockly/platform/calendar_control.h"
#include "tockly/platform/clock.h"
#include "tockly/platform/file_system.h"
#include "tockly/platform/message_box.h"
#include "tockly/ui/controls.h"

namespace tockly::pages {

namespace lookup_button {
inline constexpr int kGregorianDate = 0;
inline constexpr int kLunarDate = 1;
inline constexpr int kAnimal = 2;
inline constexpr int kConstellation = 3;
inline constexpr int kToday = 4;
inline constexpr int kTimeSync = 5;
inline constexpr int kCount = 6;
}  // namespace lookup_button

// Button pictures, relative to the program folder.
inline constexpr const char* kPictureNormal = "anniu\\按钮_移走.jpg";
inline constexpr const char* kPictureHover = "anniu\\按钮_移上.jpg";
inline constexpr const char* kPicturePressed = "anniu\\按钮_按下.jpg";

class DateLookupPage {
  public:
    struct Services {
        platform::CalendarControl& Moonleaf1;
        platform::Clock& clock;
        platform::FileSystem& files;
        platform::MessageBox& message_box;
        PageHost& host;
        internet_time::TimeSync& time_sync;
        std::string program_dir;
    };
    explicit DateLookupPage(const Services& services);

    void anniu1_Click(int e);
    void anniu1_MouseDown(int e);
    void anniu1_MouseMove(int e);
    void anniu1_MouseUp(int e);
    // The mouse moved over the background of any page.
    void Frame3_MouseMove();

    // The buttons' texts over their pictures.
    std::array<ui::Label, lookup_button::kCount> anniu1;
    std::array<ui::PictureBox, lookup_button::kCount> anniu1_Picture1;
    // The button lit last, -1 for none.
    int highlighted() const { return highlighted_; }

  private:
    void light(int e, const char* picture);
    // A picture that is missing leaves the button's picture as it was.
    void show_picture(int e, const char* picture);
    void tell(const std::string& text);

    Services s_;
    int highlighted_ = -1;
};

}  // namespace tockly::pages
