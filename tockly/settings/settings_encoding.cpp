#include "tockly/settings/settings_encoding.h"

#include "tockly/settings/ansi_codec.h"

namespace tockly::settings_file {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool is_continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 character at `at`, 0 when the bytes there are none: no
// overlong forms, no surrogates, nothing above U+10FFFF.
size_t utf8_character_length(std::string_view text, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned char second_low = 0x80;
    unsigned char second_high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) second_low = 0xA0;
        if (lead == 0xED) second_high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) second_low = 0x90;
        if (lead == 0xF4) second_high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(1) < second_low || byte(1) > second_high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (!is_continuation(byte(i))) return 0;
    return length;
}

// UTF-8 with each byte that starts no character replaced by "?", as the code page's reading
// marks its broken bytes.
DecodedSettings utf8_with_marks(std::string_view text) {
    DecodedSettings decoded;
    decoded.text.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t length = utf8_character_length(text, at);
        if (length == 0) {
            decoded.text += '?';
            decoded.lossy = true;
            ++at;
        } else {
            decoded.text.append(text.substr(at, length));
            at += length;
        }
    }
    return decoded;
}

}  // namespace

DecodedSettings decode_settings_bytes(std::string_view bytes) {
    const bool marked_utf8 = bytes.starts_with(kUtf8ByteOrderMark);
    if (!marked_utf8 && is_ansi_text(bytes)) return {ansi_to_utf8(bytes), false};
    DecodedSettings as_utf8 =
        utf8_with_marks(marked_utf8 ? bytes.substr(kUtf8ByteOrderMark.size()) : bytes);
    if (!marked_utf8 && as_utf8.lossy) return {ansi_to_utf8(bytes), true};
    // The save writes the code page: a character it has no place for would become "?" there.
    as_utf8.lossy = as_utf8.lossy || ansi_to_utf8(utf8_to_ansi(as_utf8.text)) != as_utf8.text;
    return as_utf8;
}

}  // namespace tockly::settings_file
