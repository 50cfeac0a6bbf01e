#include <gtest/gtest.h>

#include <string>

#include "tockly/platform/win32/clip_format.h"

namespace tockly::platform {
namespace {

TEST(ClipFormat, DeviceFollowsTheFirstBytes) {
    using namespace std::string_literals;
    const struct {
        std::string head;
        const wchar_t* device;
    } cases[] = {
        {"RIFF\x24\x08\x00\x00WAVEfmt "s, L"waveaudio"},
        {"ID3\x04\x00\x00\x00\x00\x00\x00\x00\x00"s, L"mpegvideo"},
        {"\xFF\xFB\x90\x64\x00\x00\x00\x00\x00\x00\x00\x00"s, L"mpegvideo"},  // MPEG-1 layer III
        {"\xFF\xF3\x48\xC4\x00\x00\x00\x00\x00\x00\x00\x00"s, L"mpegvideo"},  // MPEG-2 layer III
        {"MThd\x00\x00\x00\x06\x00\x00\x00\x01"s, L"sequencer"},
        {"RIFF\x24\x08\x00\x00RMIDdata"s, L"sequencer"},
        {"RIFF\x24\x08\x00\x00"
         "AVI LIST"s,
         nullptr},
        {"\xFF\xE9\x90\x64"s, nullptr},  // reserved MPEG version
        {"\xFF\xF9\x90\x64"s, nullptr},  // reserved layer: that is AAC's ADTS
        {"\xFF\xFB\xF0\x64"s, nullptr},  // "bad" bit rate
        {"hello world!"s, nullptr},
        {""s, nullptr},
    };
    for (const auto& c : cases) {
        const wchar_t* device = mci_device_type_for(c.head);
        if (c.device) {
            ASSERT_NE(device, nullptr) << c.head;
            EXPECT_STREQ(device, c.device) << c.head;
        } else {
            EXPECT_EQ(device, nullptr) << c.head;
        }
    }
}

}  // namespace
}  // namespace tockly::platform
