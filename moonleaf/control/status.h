#pragma once

#include <string>
#include <utility>
#include <variant>

namespace moonleaf {

// What a call reports when it met a date the lunar engine cannot convert.
inline constexpr const char* kLunarRangeMessage =
    "抱歉，这个日期超出了农历换算的范围（1900年1月31日至2091年2月17日）。";

// Why a call failed, in a text the host may show to the user.
struct Error {
    std::string message;
};

// The outcome of a call that returns nothing. Nothing in the control's public interface throws:
// the COM layer turns a failed Status into an error HRESULT with `message` as its description.
class [[nodiscard]] Status {
  public:
    Status() = default;
    Status(Error error) : error_(std::move(error.message)), failed_(true) {}
    bool ok() const { return !failed_; }
    const std::string& message() const { return error_; }
    // For a call made of steps that all run: the first failure is the one reported.
    void keep_first_failure(Status next) {
        if (ok()) *this = std::move(next);
    }

  private:
    std::string error_;
    bool failed_ = false;
};

// A value, or the error that stood in its way.
template <class T>
class [[nodiscard]] Result {
  public:
    Result(T value) : outcome_(std::move(value)) {}
    Result(Error error) : outcome_(std::move(error)) {}
    bool ok() const { return std::holds_alternative<T>(outcome_); }
    const T& value() const { return std::get<T>(outcome_); }
    const std::string& message() const { return std::get<Error>(outcome_).message; }

  private:
    std::variant<T, Error> outcome_;
};

}  // namespace moonleaf
