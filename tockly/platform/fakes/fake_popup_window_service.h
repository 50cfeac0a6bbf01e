#pragma once

// Records what the popup window model asks of its window.

#include <string>
#include <vector>

#include "tockly/platform/popup_window_service.h"

namespace tockly::platform {

class FakePopupWindowService : public PopupWindowService {
  public:
    void place_topmost(double left, double top) override {
        calls.push_back("place " + std::to_string(static_cast<long>(left)) + " " +
                        std::to_string(static_cast<long>(top)));
    }
    void set_region(int width, int top, int bottom) override {
        regions.push_back({width, top, bottom});
    }
    void free_region() override { calls.push_back("free region"); }
    void begin_title_drag() override { calls.push_back("drag"); }
    void navigate(const std::string& address) override { calls.push_back("navigate " + address); }
    void set_visible(bool visible) override { calls.push_back(visible ? "show" : "hide"); }

    struct Region {
        int width, top, bottom;
        bool operator==(const Region&) const = default;
    };
    std::vector<Region> regions;
    std::vector<std::string> calls;
};

}  // namespace tockly::platform
