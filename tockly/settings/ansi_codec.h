#pragma once

#include <string>
#include <string_view>

namespace tockly::settings_file {

// Texts on disk are in the system's ANSI code page (936, GBK, on the systems Tockly is made
// for); the program works in UTF-8. A character the other side cannot represent becomes "?",
// so conversion never fails and never drops the rest of a line.
std::string utf8_to_ansi(std::string_view utf8);
std::string ansi_to_utf8(std::string_view ansi);

// True when every byte sequence is a character of the code page, so ansi_to_utf8 marks none.
bool is_ansi_text(std::string_view bytes);

}  // namespace tockly::settings_file
