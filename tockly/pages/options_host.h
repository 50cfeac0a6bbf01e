#pragma once

namespace tockly::pages {

// What the options page changes outside itself the moment an option changes: the prompt
// window's opacity and layer, and the news with its picture panel on the main window.
class OptionsHost {
  public:
    virtual ~OptionsHost() = default;
    virtual void set_prompt_opacity(int alpha) = 0;
    virtual void set_prompt_topmost(bool topmost) = 0;
    // The news option was switched on or off.
    virtual void show_news(bool on) = 0;
};

}  // namespace tockly::pages
