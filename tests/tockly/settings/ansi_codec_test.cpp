#include "tockly/settings/ansi_codec.h"

#include <gtest/gtest.h>

namespace tockly::settings_file {
namespace {

TEST(AnsiCodec, ChineseTextIsCodePage936OnDisk) {
    // "每天" in GBK: C3 BF CC EC.
    EXPECT_EQ(utf8_to_ansi("每天"), "\xC3\xBF\xCC\xEC");
    EXPECT_EQ(ansi_to_utf8("\xC3\xBF\xCC\xEC"), "每天");
    EXPECT_EQ(utf8_to_ansi("万事如意,心想事成!"),
              "\xCD\xF2\xCA\xC2\xC8\xE7\xD2\xE2,"
              "\xD0\xC4\xCF\xEB\xCA\xC2\xB3\xC9!");
}

TEST(AnsiCodec, AsciiPassesUnchanged) {
    const std::string path = "D:\\music\\wake up.mp3";
    EXPECT_EQ(utf8_to_ansi(path), path);
    EXPECT_EQ(ansi_to_utf8(path), path);
    EXPECT_EQ(utf8_to_ansi(""), "");
}

// How many marks a lost character leaves differs between systems (Windows counts UTF-16
// units); what matters is that the rest of the line survives.
TEST(AnsiCodec, UnrepresentableCharactersAreMarkedAndTheRestSurvives) {
    const std::string emoji = utf8_to_ansi(
        "a\xF0\x9F\x98\x80"
        "b天");  // no emoji in GBK
    EXPECT_TRUE(emoji.starts_with("a?")) << emoji;
    EXPECT_TRUE(emoji.ends_with("?b\xCC\xEC")) << emoji;
    EXPECT_EQ(utf8_to_ansi("x\xFFy"), "x?y");  // broken UTF-8
}

TEST(AnsiCodec, BrokenBytesOnDiskDoNotLoseTheRestOfTheLine) {
    const std::string text = ansi_to_utf8(
        "\xCC\xEC\xFF"
        "1");
    EXPECT_TRUE(text.starts_with("天")) << text;
    EXPECT_TRUE(text.ends_with("1")) << text;
    EXPECT_TRUE(ansi_to_utf8("12\xCC").starts_with("12"));  // cut in the middle of a character
    EXPECT_FALSE(is_ansi_text("\xCC\xEC\xFF"));
    EXPECT_FALSE(is_ansi_text("12\xCC"));
    EXPECT_TRUE(is_ansi_text("\xCC\xEC, 1"));
    EXPECT_TRUE(is_ansi_text(""));
}

}  // namespace
}  // namespace tockly::settings_file
