#pragma once

// Recording fakes of the services the application shell uses: the registry, the
// single-instance test, the default web browser and the keyboard-hook library.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tockly/platform/keyboard_hook.h"
#include "tockly/platform/registry.h"
#include "tockly/platform/single_instance.h"
#include "tockly/platform/web_browser.h"

namespace tockly::platform {

class FakeRegistry : public Registry {
  public:
    bool create_key(const std::string& key) override {
        calls.push_back("create " + key);
        if (!writable) return false;
        keys.insert(key);
        return true;
    }
    bool set_string_value(const std::string& key, const std::string& name,
                          const std::string& value) override {
        calls.push_back("set " + name);
        if (!writable || !keys.count(key)) return false;
        values[{key, name}] = value;
        return true;
    }
    bool delete_value(const std::string& key, const std::string& name) override {
        calls.push_back("delete " + name);
        return writable && values.erase({key, name}) != 0;
    }
    std::optional<std::string> string_value(const std::string& key,
                                            const std::string& name) override {
        const auto found = values.find({key, name});
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    std::string failure_reason() const override { return writable ? "" : kDeniedReason; }

    static constexpr const char* kDeniedReason = "拒绝访问。";

    std::set<std::string> keys;
    // (key, value name) -> string value.
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> calls;
    bool writable = true;
};

class FakeSingleInstance : public SingleInstance {
  public:
    bool another_instance_running() override { return another; }
    bool another = false;
};

class FakeWebBrowser : public WebBrowser {
  public:
    bool open_page(const std::string& address) override {
        opened.push_back(address);
        return true;
    }
    std::vector<std::string> opened;
};

class FakeKeyboardHook : public KeyboardHook {
  public:
    void ReleaseKeyboardHook() override { ++releases; }
    int releases = 0;
};

}  // namespace tockly::platform
