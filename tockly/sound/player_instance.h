#pragma once

#include <string>

#include "tockly/platform/player.h"

namespace tockly::sound {

inline constexpr const char* kPlaying = "正在播放";
// Tag of a player while a user-chosen file plays on it.
inline constexpr const char* kCustomTag = "自定义";

// Told when a player instance's playback ended, after its status text was emptied.
class PlaybackEndListener {
  public:
    virtual ~PlaybackEndListener() = default;
    virtual void playback_ended() = 0;
};

// One player component instance together with what the host keeps beside it: its `Tag` (the
// announcement step, or "自定义") and its status text (player1State / player2State).
class PlayerInstance : public platform::PlayerEvents {
  public:
    explicit PlayerInstance(platform::Player& component) : component(component) {
        component.set_events(this);
    }
    ~PlayerInstance() override { component.set_events(nullptr); }
    PlayerInstance(const PlayerInstance&) = delete;
    PlayerInstance& operator=(const PlayerInstance&) = delete;

    platform::Player& component;
    std::string Tag;
    // "正在播放" from the start of playback to its end, otherwise empty.
    std::string state;
    // The host's end-of-playback handling.
    void set_end_listener(PlaybackEndListener* listener) { end_listener_ = listener; }

    void playbackStarted() override { state = kPlaying; }
    void playbackEnded() override {
        state.clear();
        if (end_listener_) end_listener_->playback_ended();
    }

  private:
    PlaybackEndListener* end_listener_ = nullptr;
};

}  // namespace tockly::sound
