#pragma once

// The pages of a complete TocklyApp on fake services, connected as the program connects them.

#include <string>
#include <vector>

#include "tests/tockly/app_harness.h"

namespace tockly::testing {

struct PagesHarness : AppHarness {
    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& box : message_box.shown) texts.push_back(box.text);
        return texts;
    }

    pages::Pages& pages = app.pages;
};

}  // namespace tockly::testing
