#pragma once

// The pages on a complete TocklyApp with fake services, connected as the program connects them.

#include <optional>
#include <string>
#include <vector>

#include "tests/tockly/app_harness.h"
#include "tockly/pages/pages.h"
#include "tockly/platform/file_dialog.h"
#include "tockly/platform/http.h"
#include "tockly/platform/system_time.h"

namespace tockly::testing {

struct FakeFileDialog : platform::FileDialog {
    std::optional<std::string> choose_file_to_open(
        const std::vector<platform::FileFilter>& filters) override {
        asked.push_back(filters);
        return answer;
    }
    std::optional<std::string> answer;
    std::vector<std::vector<platform::FileFilter>> asked;
};

struct FakeHttp : platform::Http {
    platform::HttpReply get(const std::string& address) override {
        requests.push_back(address);
        return reply;
    }
    platform::HttpReply reply{true, "2010-4-5|11:42:51", ""};
    std::vector<std::string> requests;
};

struct FakeSystemTime : platform::SystemTime {
    platform::SetTimeResult set_local_time(const platform::LocalDateTime& when) override {
        sets.push_back(when);
        return result;
    }
    platform::SetTimeResult result{true, false, ""};
    std::vector<platform::LocalDateTime> sets;
};

struct FakePageHost : pages::PageHost {
    std::string title() const override { return "Tockly"; }
    bool reminder_timer_running() const override { return timer_running; }
    bool timer_running = true;
};

inline constexpr const char* kTimePage = "https://www.tockly.test/time";

struct PagesHarness : AppHarness {
    PagesHarness() { pages::connect_pages(app.settings, pages, Moonleaf2); }

    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& box : message_box.shown) texts.push_back(box.text);
        return texts;
    }

    platform::FakeCalendarControl Moonleaf2;
    FakeFileDialog dialog;
    FakeHttp http;
    FakeSystemTime system_time;
    FakePageHost host;
    pages::Pages pages{{app.settings, app.sound, app.announcer, clock, files, dialog, message_box,
                        http, system_time, calendar, Moonleaf2, host, kTimePage}};
};

// Sets a check box without running its reaction, to start a test from any combination.
inline void set_quietly(ui::CheckBox& box, int value) {
    auto reaction = std::move(box.on_change);
    box.on_change = nullptr;
    box.set_value(value);
    box.on_change = std::move(reaction);
}

}  // namespace tockly::testing
