#pragma once

// The floating prompt window as a model: what it shows (status, time, date and lunar lines),
// its action button, transparency, layer and position. The reminder engine puts it into a
// display mode; its own 200 ms refresh renders that mode. The Win32 view copies this state to
// the screen and forwards clicks; taps learn about every visible change.

#include <array>
#include <optional>
#include <string>

#include "tockly/model/reminder_settings.h"
#include "tockly/model/shared_state.h"
#include "tockly/platform/clock.h"
#include "tockly/sound/announcer.h"
#include "tockly/sound/sound_system.h"
#include "tockly/ui/controls.h"
#include "tockly/ui/taps.h"
#include "tockly/windows/prompt_display.h"

namespace tockly::windows {

// Entries 0-9 of the context menu's transparency list; entry 10 is a separator.
inline constexpr int kTransparencySteps = 10;

class PromptWindowTap {
  public:
    virtual ~PromptWindowTap() = default;
    virtual void mode_changed(const std::string& mode) { (void)mode; }
    virtual void message_changed(const std::string& message) { (void)message; }
    virtual void status_changed(const std::string& status) { (void)status; }
    virtual void visibility_changed(bool visible) { (void)visible; }
    virtual void alpha_set(int alpha) { (void)alpha; }
    virtual void layer_changed(bool topmost) { (void)topmost; }
};

class PromptWindow : public PromptDisplay {
  public:
    struct Services {
        platform::Clock& clock;
        model::SharedState& shared;
        sound::SoundSystem& sound;
        sound::Announcer& announcer;
        model::AppOptions& options;
    };
    explicit PromptWindow(const Services& services);

    // Display mode.
    const std::string& Tag() const override { return tag_; }
    void set_Tag(std::string mode) override;
    // The fired alarm's prompt text, appended to the status line in the alarm mode (kept in
    // the status line's tag).
    const std::string& alarm_text() const { return Label1[0].tag; }
    void set_alarm_text(std::string text) override;
    void show_action_button(const char* caption) override;
    void show_hint() override;
    void set_lunar_line(std::string text) override { Label1[3].caption = std::move(text); }

    // Status, time, date and lunar lines.
    std::array<ui::Label, 4> Label1;
    // The hint line, shown while the action button is hidden.
    ui::Label Label2{"提示：双击可以关闭该提示窗口"};
    ui::Button Command1{kCancelShutdownCaption};
    // Shown in the alarm mode only: put the alarm off, or be done with it. Both stop the sound
    // and close the window; the context menu has the same two items.
    ui::Button snooze_button{kSnoozeCaption};
    ui::Button acknowledge_button{kAcknowledgeCaption};
    // The alarm's number in the alarm mode.
    std::optional<int> alarm_number() const;

    bool visible() const override { return visible_; }
    void show() override { set_visible(true); }
    void hide() override { set_visible(false); }

    // The window's 200 ms timer.
    void refresh();
    // Double-click on the window or "关闭提示窗口(&G)": hides it unless a shutdown is pending.
    void close_request();
    void Command1_Click();
    void snooze_Click();
    void acknowledge_Click();
    // Constant alpha; values outside 25-255 become 255.
    void touming(int value) override;
    // Context menu entry `index` of the transparency list (0-9; 10 is the separator).
    void wenjian1_Click(int index);
    // 0 keeps the window above all others, 1 returns it to the normal layer; the option
    // "提示窗口保持在最上层" follows.
    void shangceng_Click(int element);
    // The window operation alone, for the option's own click handler.
    void set_topmost(bool topmost);

    int alpha() const { return alpha_; }
    bool layered() const { return layered_; }
    bool topmost() const { return topmost_; }

    // Position and size in twips; the size always follows the background picture.
    double Left = 0;
    double Top = 0;
    double Width = model::kPromptWidthTwips;
    double Height = model::kPromptHeightTwips;
    double picture_width = model::kPromptWidthTwips;
    double picture_height = model::kPromptHeightTwips;

    void set_delegate(PromptWindowDelegate* delegate) { delegate_ = delegate; }
    // Followers of every visible change: the simulator, tests.
    ui::Taps<PromptWindowTap> taps;

  private:
    void set_visible(bool visible);
    // Stops the alarm's sound and closes the window.
    void dismiss_alarm();
    std::string status_text(const std::string& minutes, const std::string& seconds) const;

    platform::Clock& clock_;
    model::SharedState& shared_;
    sound::SoundSystem& sound_;
    sound::Announcer& announcer_;
    model::AppOptions& options_;
    std::string tag_ = mode::kIdle;
    bool visible_ = false;
    int alpha_ = kOpaque;
    bool layered_ = false;
    bool topmost_ = false;
    PromptWindowDelegate* delegate_ = nullptr;
};

// "透明度10%" ... "透明度100%".
std::string transparency_caption(int index);
// The alpha of transparency entry `index` (0-9): (index + 1) x 25.5, halves to even.
int transparency_alpha(int index);

}  // namespace tockly::windows
