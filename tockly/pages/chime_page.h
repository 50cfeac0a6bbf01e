#pragma once

// The hourly chime page ("整点报时"): its reactions keep the interval a whole number of minutes
// (at least 1) and the outputs consistent: sound and celebrity pack never both, at least one of
// text, sound and pack, and a pack chimes on the hour. It previews the chime and checks that a
// voice pack holds all 24 hour clips. The values are the settings' own chime controls.

#include <array>
#include <string>

#include "tockly/model/reminder_settings.h"
#include "tockly/pages/page_host.h"
#include "tockly/pages/sound_preview.h"
#include "tockly/platform/clock.h"
#include "tockly/platform/file_system.h"
#include "tockly/platform/message_box.h"
#include "tockly/ui/controls.h"

namespace tockly::pages {

class ChimePage {
  public:
    struct Services {
        model::ReminderSettings& settings;
        SoundPreview& preview;
        platform::Clock& clock;
        platform::FileSystem& files;
        platform::MessageBox& message_box;
        PageHost& host;
        std::string program_dir;
    };
    explicit ChimePage(const Services& services);
    ChimePage(const ChimePage&) = delete;
    ChimePage& operator=(const ChimePage&) = delete;

    // Reactions to the chime's own controls.
    void zhengdian_Click();
    void zhengdian_jiange_Change();
    void zhengdian_wenzi_Click();
    void zhengdian_xuan_shengyin_Click();
    void zhengdian_mingxing_Click();

    void zhengdian_liulan_Click();
    void zhengdian_shiting_Click();
    // "查看文件": tells whether the pack named in the pack box has all 24 hour clips.
    void Command5_Click();

    ui::Label Label2{"间隔:"};
    ui::Label Label3{"分钟"};
    std::array<ui::Label, 1> Label4{ui::Label("(1-60,60表示整点报时)")};
    ui::Label zhengdian_lab{"自定义声音文件(上面下拉框选择自定义声音才有效)"};
    ui::Button zhengdian_liulan{"浏览"};
    ui::Button zhengdian_shiting{"试听"};
    ui::Button Command5{"查看文件"};

  private:
    // The clip of hour `hour` in the pack named in the pack box, "不存在" when there is none.
    std::string pack_clip(int hour);

    Services s_;
    model::ChimeSettings& chime_;
};

// The interval rule: the whole part of the text's leading number, written plainly; "30" when
// that is below 1 ("12.7" -> "12", "5分" -> "5", "分" -> "30").
std::string whole_minutes(const std::string& interval);

}  // namespace tockly::pages
