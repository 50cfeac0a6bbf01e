#pragma once

#include <string>

namespace tockly::platform {

// Modal message boxes, with the button sets and answers of the classic message box call.
namespace message_box {
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNoCancel = 3;
inline constexpr int kYesNo = 4;
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
}  // namespace message_box

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // Shows `text` and returns the answer.
    virtual int show(const std::string& text, int buttons, const std::string& title) = 0;
};

// The program's way of telling the user something: the text with an OK button alone.
inline void tell(MessageBox& boxes, const std::string& text, const std::string& title) {
    boxes.show(text, message_box::kOkOnly, title);
}

}  // namespace tockly::platform
