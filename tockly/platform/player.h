#pragma once

#include <string>

namespace tockly::platform {

// Events a player raises to its host, on the user-interface thread.
class PlayerEvents {
  public:
    virtual ~PlayerEvents() = default;
    virtual void playbackStarted() = 0;
    // After a natural end and after a stop alike.
    virtual void playbackEnded() = 0;
};

// One instance of the audio player component (WAV, MP3, MIDI and the extension-less clips).
class Player {
  public:
    virtual ~Player() = default;
    // 0 when the file is loaded and ready, anything else when opening failed.
    virtual int playerOpen(const std::string& path) = 0;
    // Plays the loaded file from its beginning.
    virtual void playerPlay() = 0;
    // Stops playback; a playing instance then reports playbackEnded (not necessarily at once).
    virtual void playerStop() = 0;

    void set_events(PlayerEvents* events) { events_ = events; }

  protected:
    PlayerEvents* events() const { return events_; }

  private:
    PlayerEvents* events_ = nullptr;
};

}  // namespace tockly::platform
