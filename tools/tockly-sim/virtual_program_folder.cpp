#include "tools/tockly-sim/virtual_program_folder.h"

#include <utility>

#include "tockly/model/text_functions.h"

namespace tockly::sim {

namespace {

constexpr const char* kFolder = "C:\\Tockly\\";
constexpr const char* kPackFolder = "C:\\Tockly\\明星报时";

// The clips the announcements and the built-in sounds are made of.
std::vector<std::string> voice_clips() {
    std::vector<std::string> clips = {"ds", "qx"};
    for (int hour = 0; hour < 24; ++hour) {
        clips.push_back("s" + std::to_string(hour));
        clips.push_back("s" + std::to_string(hour) + "z");
    }
    for (int minute = 1; minute < 60; ++minute) clips.push_back("f" + std::to_string(minute));
    for (int warning = 0; warning <= 3; ++warning) clips.push_back("g" + std::to_string(warning));
    for (int sound = 1; sound <= 5; ++sound) clips.push_back("n" + std::to_string(sound));
    return clips;
}

}  // namespace

VirtualProgramFolder::VirtualProgramFolder(std::vector<std::string> packs)
    : packs_(std::move(packs)) {
    for (const std::string& clip : voice_clips())
        files_.insert(model::lower_ascii(std::string(kFolder) + "sy\\" + clip));
    for (const std::string& pack : packs_)
        for (int hour = 0; hour < 24; ++hour)
            files_.insert(model::lower_ascii(std::string(kPackFolder) + "\\" + pack + "\\" +
                                             std::to_string(hour) + ".mp3"));
}

bool VirtualProgramFolder::file_exists(const std::string& path) {
    return files_.count(model::lower_ascii(path)) != 0;
}

std::vector<std::string> VirtualProgramFolder::subfolders(const std::string& folder) {
    std::string wanted = model::lower_ascii(folder);
    if (wanted.ends_with("\\")) wanted.pop_back();
    if (wanted == model::lower_ascii(kPackFolder)) return packs_;
    return {};
}

}  // namespace tockly::sim
