#include "tockly/settings/settings_lines.h"

namespace tockly::settings_file {

SettingsLines split_settings_lines(std::string_view text) {
    SettingsLines lines;
    size_t line = 0;
    size_t start = 0;
    while (start < text.size() && line < lines.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines[line++] = std::string(text.substr(start, end - start));
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

std::string join_settings_lines(const SettingsLines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace tockly::settings_file
