// Any bytes as the settings file: loading never crashes or throws, and what it loaded saves
// as exactly kSettingsLineCount CR LF lines that load back to the same settings.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/tockly/settings/fake_prompt_placement.h"
#include "tockly/platform/fakes/fake_services.h"
#include "tockly/settings/ansi_codec.h"
#include "tockly/settings/settings_fields.h"
#include "tockly/settings/settings_file.h"
#include "tockly/settings/settings_lines.h"
#include "tockly/settings/settings_storage.h"

namespace {

using tockly::settings_file::ansi_to_utf8;
using tockly::settings_file::SettingsLines;
using tockly::settings_file::utf8_to_ansi;

struct Loaded {
    tockly::model::ReminderSettings settings;
    tockly::settings_file::FakePromptPlacement prompt;

    Loaded() { settings.chime.zhengdian_shengyin_mingxing.add_item("Korvane"); }
    void load(tockly::platform::FileSystem& files) {
        tockly::settings_file::load_settings(settings, prompt, files);
    }
    SettingsLines lines() {
        SettingsLines lines;
        for (const auto& field : tockly::settings_file::settings_fields(settings, prompt))
            lines[static_cast<size_t>(field.line - 1)] = field.write();
        return lines;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    tockly::platform::FakeFileSystem files;
    const std::string path = tockly::settings_file::settings_file_path(files.folder);
    files.add_file(path, std::string(reinterpret_cast<const char*>(data), size));
    Loaded loaded;
    loaded.load(files);
    const SettingsLines saved = loaded.lines();
    if (!tockly::settings_file::write_settings_file(files, path, saved)) std::abort();

    const std::string& bytes = files.files.at(path);
    size_t line_ends = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) std::abort();
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) std::abort();
        line_ends += bytes[i] == '\n';
    }
    if (line_ends != static_cast<size_t>(tockly::settings_file::kSettingsLineCount)) std::abort();

    // Every line of the saved file sets its field, so loading it again must leave each value
    // as it was, but for the characters of a UTF-8 file the code page cannot hold. The prompt
    // window's distances pass through a subtraction and may differ in the last bit.
    loaded.load(files);
    const SettingsLines again = loaded.lines();
    for (size_t line = 0; line < again.size(); ++line) {
        const std::string kept = ansi_to_utf8(utf8_to_ansi(saved[line]));
        if (line != 413 && line != 414 && again[line] != kept) std::abort();
    }
    return 0;
}
