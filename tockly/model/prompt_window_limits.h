#pragma once

// What the settings file, the options page and the prompt window itself agree on about the
// prompt window: its opacity range and the size of its background picture.

namespace tockly::model {

inline constexpr int kMinOpacity = 25;
inline constexpr int kOpaque = 255;
// An opacity the window takes; any other value makes it fully opaque.
inline bool opacity_in_range(double alpha) {
    return alpha >= kMinOpacity && alpha <= kOpaque;
}

// The window's size in twips: its picture at 96 DPI (251 x 160 pixels).
inline constexpr double kPromptWidthTwips = 3765;
inline constexpr double kPromptHeightTwips = 2400;

}  // namespace tockly::model
