#pragma once

#include <string>

namespace tockly::platform {

// Modal message boxes, with the button sets and answers of the classic message box call.
namespace message_box {
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
}  // namespace message_box

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // Shows `text` and returns the answer.
    virtual int show(const std::string& text, int buttons, const std::string& title) = 0;
};

}  // namespace tockly::platform
