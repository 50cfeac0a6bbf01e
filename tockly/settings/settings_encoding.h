#pragma once

#include <string>
#include <string_view>

namespace tockly::settings_file {

// The settings file's bytes as UTF-8 text. Tockly writes the ANSI code page, but a user may have
// saved the file from an editor as UTF-8: with a byte order mark, or without one and then only
// recognisable because its bytes are valid UTF-8 and no valid ANSI text. Reading such a file in
// the code page would turn every Chinese text into mojibake that the next save keeps for good.
struct DecodedSettings {
    std::string text;
    // Some bytes were no character in the encoding read and became "?", or the text read as
    // UTF-8 has characters the code page cannot hold, which the next save turns into "?".
    bool lossy = false;
};
DecodedSettings decode_settings_bytes(std::string_view bytes);

}  // namespace tockly::settings_file
