#pragma once

// Recording fakes of the simple services, for tests and the simulator.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tockly/platform/calendar_control.h"
#include "tockly/platform/file_dialog.h"
#include "tockly/platform/file_system.h"
#include "tockly/platform/http.h"
#include "tockly/platform/keyboard.h"
#include "tockly/platform/message_box.h"
#include "tockly/platform/power.h"
#include "tockly/platform/screen.h"
#include "tockly/platform/system_time.h"
#include "tockly/platform/wave_volume.h"

namespace tockly::platform {

class FakeWaveVolume : public WaveVolume {
  public:
    std::optional<std::uint32_t> get_volume() override {
        return readable ? std::optional(word) : std::nullopt;
    }
    void set_volume(std::uint32_t value) override {
        word = value;
        sets.push_back(value);
        if (on_set) on_set(value);
    }

    std::uint32_t word = 0xFFFFFFFF;
    bool readable = true;
    std::vector<std::uint32_t> sets;
    std::function<void(std::uint32_t)> on_set;
};

class FakePower : public Power {
  public:
    bool isNtPlatform() override { return nt; }
    void enableShutdownPrivilege() override { calls.push_back("privilege"); }
    void exitWindows(unsigned flags) override {
        calls.push_back("exit " + std::to_string(flags));
        if (on_exit) on_exit(flags);
    }

    bool nt = true;
    std::vector<std::string> calls;
    std::function<void(unsigned)> on_exit;
};

class FakeFileSystem : public FileSystem {
  public:
    std::string program_folder() override { return folder; }
    std::string program_file() override {
        return folder + (folder.ends_with('\\') ? "" : "\\") + program_name;
    }
    bool file_exists(const std::string& path) override { return files.count(path) != 0; }
    std::vector<std::string> subfolders(const std::string& parent) override;
    std::optional<std::string> read_file(const std::string& path) override;
    bool write_file(const std::string& path, const std::string& bytes) override;
    bool flush_file(const std::string& path) override;
    bool replace_file(const std::string& from, const std::string& to) override;
    void remove_file(const std::string& path) override { files.erase(path); }

    void add_file(const std::string& path, std::string bytes = {}) {
        files[path] = std::move(bytes);
    }

    std::string folder = "C:\\Tockly";
    std::string program_name = "Tockly.exe";
    // Path -> contents.
    std::map<std::string, std::string> files;
    // Folder -> its sub-folders in listing order.
    std::map<std::string, std::vector<std::string>> folders;
    bool writable = true;
    // Paths flushed, in order.
    std::vector<std::string> flushed;
};

class FakeScreen : public Screen {
  public:
    double width_twips() override { return width; }
    double height_twips() override { return height; }
    TwipsRect work_area_twips() override { return work_area; }
    double twips_per_pixel_x() override { return 15; }
    double twips_per_pixel_y() override { return 15; }
    double width = 1920 * 15;
    double height = 1080 * 15;
    // A task bar 40 pixels high at the bottom.
    TwipsRect work_area{0, 0, 1920 * 15, 1040 * 15};
};

class FakeMessageBox : public MessageBox {
  public:
    int show(const std::string& text, int buttons, const std::string& title) override;

    struct Shown {
        std::string text;
        int buttons;
        std::string title;
    };
    std::vector<Shown> shown;
    // Answers given in order; when none is left, Yes for a Yes/No box, No for a Yes/No/Cancel
    // box and OK otherwise.
    std::deque<int> answers;
};

class FakeKeyboard : public Keyboard {
  public:
    bool key_is_down(int code) override { return down.count(code) != 0; }
    std::set<int> down;
};

// Answers with fixed texts and remembers which dates it was asked about.
class FakeCalendarControl : public CalendarControl {
  public:
    common::OleDate Value() const override { return value; }
    void set_Value(common::OleDate v) override { value = v; }

    std::string GetChineseDate(common::OleDate d) override {
        return answer(d, "农历" + year + month + day_name);
    }
    std::string GetChineseYear(common::OleDate d) override { return answer(d, year); }
    std::string GetChineseMonth(common::OleDate d) override { return answer(d, month); }
    std::string GetChineseDay(common::OleDate d) override { return answer(d, day_name); }
    std::string GetChineseAnimal(common::OleDate d) override { return answer(d, animal); }
    std::string GetConstellation(common::OleDate d) override { return answer(d, constellation); }
    void set_ShowHolidays(bool show) override { show_holidays = show; }

    common::OleDate value;
    std::string year = "丙午年";
    std::string month = "十月";
    std::string day_name = "十九";
    std::string animal = "马";
    std::string constellation = "射手座";
    bool show_holidays = false;
    std::vector<common::OleDate> asked;

  private:
    std::string answer(common::OleDate d, const std::string& text) {
        asked.push_back(d);
        return text;
    }
};

// Answers every open-file dialog with `answer` (nothing: the user cancelled).
class FakeFileDialog : public FileDialog {
  public:
    std::optional<std::string> choose_file_to_open(
        const std::vector<FileFilter>& filters) override {
        asked.push_back(filters);
        return answer;
    }
    std::optional<std::string> answer;
    std::vector<std::vector<FileFilter>> asked;
};

// Answers every request with `reply` and remembers the addresses asked for.
class FakeHttp : public Http {
  public:
    HttpReply get(const std::string& address) override {
        requests.push_back(address);
        return reply;
    }
    HttpReply reply{true, "2010-4-5|11:42:51", ""};
    std::vector<std::string> requests;
};

// Remembers every clock setting and answers with `result`.
class FakeSystemTime : public SystemTime {
  public:
    SetTimeResult set_local_time(const LocalDateTime& when) override {
        sets.push_back(when);
        return result;
    }
    SetTimeResult result{true, false, ""};
    std::vector<LocalDateTime> sets;
};

}  // namespace tockly::platform
