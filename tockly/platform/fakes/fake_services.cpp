#include "tockly/platform/fakes/fake_services.h"

namespace tockly::platform {

std::vector<std::string> FakeFileSystem::subfolders(const std::string& parent) {
    auto found = folders.find(parent);
    return found == folders.end() ? std::vector<std::string>{} : found->second;
}

std::optional<std::string> FakeFileSystem::read_file(const std::string& path) {
    auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
}

bool FakeFileSystem::write_file(const std::string& path, const std::string& bytes) {
    if (!writable) return false;
    files[path] = bytes;
    return true;
}

bool FakeFileSystem::flush_file(const std::string& path) {
    if (!writable || files.count(path) == 0) return false;
    flushed.push_back(path);
    return true;
}

bool FakeFileSystem::replace_file(const std::string& from, const std::string& to) {
    auto found = files.find(from);
    if (!writable || found == files.end()) return false;
    std::string bytes = std::move(found->second);
    files.erase(found);
    files[to] = std::move(bytes);
    return true;
}

int FakeMessageBox::show(const std::string& text, int buttons, const std::string& title) {
    shown.push_back({text, buttons, title});
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    if (buttons == message_box::kYesNoCancel) return message_box::kAnswerNo;
    return buttons == message_box::kYesNo ? message_box::kAnswerYes : message_box::kAnswerOk;
}

}  // namespace tockly::platform
