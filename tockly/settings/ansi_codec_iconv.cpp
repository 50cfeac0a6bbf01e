#include <errno.h>
#include <iconv.h>

#include <memory>

#include "tockly/settings/ansi_codec.h"

namespace tockly::settings_file {

namespace {

// Outside Windows there is no system ANSI code page to ask for: the files we read and write
// are the ones of the Chinese systems, so the code page is GBK.
constexpr const char* kAnsiCodePage = "GBK";

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

struct IconvCloser {
    void operator()(iconv_t cd) const {
        if (cd != kNoConverter) iconv_close(cd);
    }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// Length of the character that starts at `text`, so that one bad character is skipped as a
// whole: for UTF-8 a lead byte with its continuation bytes (a broken sequence only its first
// byte), for GBK one byte below 0x81 and two otherwise.
size_t character_length(const char* text, size_t left, bool from_utf8) {
    const auto lead = static_cast<unsigned char>(text[0]);
    size_t length = 1;
    if (!from_utf8) {
        length = lead >= 0x81 && lead <= 0xFE ? 2 : 1;
    } else if (lead >= 0xC2 && lead <= 0xF4) {
        length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        for (size_t i = 1; i < length; ++i)
            if (i >= left || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
    }
    return length < left ? length : left;
}

// `marked` counts the characters that became "?".
std::string convert(iconv_t cd, std::string_view input, bool from_utf8, size_t* marked = nullptr) {
    std::string output;
    if (cd == kNoConverter) {
        if (marked) *marked = input.size();
        return output;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    output.reserve(input.size() * 2);
    char* in = const_cast<char*>(input.data());
    size_t in_left = input.size();
    char buffer[512];
    while (in_left > 0) {
        char* out = buffer;
        size_t out_left = sizeof buffer;
        const size_t result = iconv(cd, &in, &in_left, &out, &out_left);
        output.append(buffer, static_cast<size_t>(out - buffer));
        if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
        // An unrepresentable, broken or cut-off character: mark it and go on after it.
        const size_t skip = character_length(in, in_left, from_utf8);
        in += skip;
        in_left -= skip;
        output += '?';
        if (marked) ++*marked;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return output;
}

// Opening a converter loads the code page's tables, so each direction is opened once and kept
// for the life of the program (everything runs on one thread).
iconv_t from_ansi() {
    static const IconvHandle converter(iconv_open("UTF-8", kAnsiCodePage));
    return converter.get();
}

}  // namespace

std::string utf8_to_ansi(std::string_view utf8) {
    static const IconvHandle to_ansi(iconv_open(kAnsiCodePage, "UTF-8"));
    return convert(to_ansi.get(), utf8, true);
}

std::string ansi_to_utf8(std::string_view ansi) {
    return convert(from_ansi(), ansi, false);
}

bool is_ansi_text(std::string_view bytes) {
    size_t marked = 0;
    convert(from_ansi(), bytes, false, &marked);
    return marked == 0;
}

}  // namespace tockly::settings_file
