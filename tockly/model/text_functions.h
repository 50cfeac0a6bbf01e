#pragma once

// The small text operations the controls' texts go through everywhere.

#include <string>
#include <string_view>

namespace tockly::model {

// Without leading and trailing blanks (spaces only, as the controls' texts are trimmed).
std::string_view trim_spaces(std::string_view text);

// ASCII letters lowered; other bytes, Chinese characters included, stay as they are.
std::string lower_ascii(std::string text);

}  // namespace tockly::model
