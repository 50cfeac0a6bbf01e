#pragma once

// The floating prompt window as a model: what it shows (status, time, date and lunar lines),
// its action button, transparency, layer and position. The reminder engine puts it into a
// display mode; its own 200 ms refresh renders that mode. The Win32 view copies this state to
// the screen and forwards clicks; observers learn about every visible change.

#include <array>
#include <string>

#include "tockly/model/reminder_settings.h"
#include "tockly/model/shared_state.h"
#include "tockly/platform/clock.h"
#include "tockly/sound/announcer.h"
#include "tockly/sound/sound_system.h"
#include "tockly/ui/controls.h"

namespace tockly::windows {

// Display modes (the window's Tag); an alarm's mode is "定时" followed by its number.
namespace mode {
inline constexpr const char* kIdle = "现在时间";
inline constexpr const char* kChime = "整点报时";
inline constexpr const char* kAlarmPrefix = "定时";
inline constexpr const char* kCountdown = "剩余3分钟";
}  // namespace mode

inline constexpr const char* kCancelShutdownCaption = "点击取消关机";
inline constexpr const char* kStopPlaybackCaption = "点击停止播放";
inline constexpr int kOpaque = 255;
// Entries 0-9 of the context menu's transparency list; entry 10 is a separator.
inline constexpr int kTransparencySteps = 10;

class PromptWindowObserver {
  public:
    virtual ~PromptWindowObserver() = default;
    virtual void mode_changed(const std::string& mode) { (void)mode; }
    virtual void message_changed(const std::string& message) { (void)message; }
    virtual void status_changed(const std::string& status) { (void)status; }
    virtual void visibility_changed(bool visible) { (void)visible; }
    virtual void alpha_set(int alpha) { (void)alpha; }
    virtual void layer_changed(bool topmost) { (void)topmost; }
};

// What the prompt window asks of the main window.
class PromptWindowDelegate {
  public:
    virtual ~PromptWindowDelegate() = default;
    // Runs the reminder tick once, so that the button reflects an action at once.
    virtual void run_reminder_tick() = 0;
};

class PromptWindow {
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
    const std::string& Tag() const { return tag_; }
    void set_Tag(std::string mode);
    // The fired alarm's prompt text, appended to the status line in the alarm mode (kept in
    // the status line's tag).
    const std::string& alarm_text() const { return Label1[0].tag; }
    void set_alarm_text(std::string text);

    // Status, time, date and lunar lines.
    std::array<ui::Label, 4> Label1;
    // The hint line, shown while the action button is hidden.
    ui::Label Label2{"提示：双击可以关闭该提示窗口"};
    ui::Button Command1{kCancelShutdownCaption};

    bool visible() const { return visible_; }
    void show() { set_visible(true); }
    void hide() { set_visible(false); }

    // The window's 200 ms timer.
    void refresh();
    // Double-click on the window or "关闭提示窗口(&G)": hides it unless a shutdown is pending.
    void close_request();
    void Command1_Click();
    // Constant alpha; values outside 25-255 become 255.
    void touming(int value);
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
    double Width = kPictureWidth;
    double Height = kPictureHeight;
    double picture_width = kPictureWidth;
    double picture_height = kPictureHeight;
    static constexpr double kPictureWidth = 3765;
    static constexpr double kPictureHeight = 2400;

    void set_delegate(PromptWindowDelegate* delegate) { delegate_ = delegate; }
    void set_observer(PromptWindowObserver* observer) { observer_ = observer; }

  private:
    void set_visible(bool visible);
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
    PromptWindowObserver* observer_ = nullptr;
    PromptWindowDelegate* delegate_ = nullptr;
};

// "透明度10%" ... "透明度100%".
std::string transparency_caption(int index);
// The alpha of transparency entry `index` (0-9): (index + 1) x 25.5, halves to even.
int transparency_alpha(int index);

}  // namespace tockly::windows
