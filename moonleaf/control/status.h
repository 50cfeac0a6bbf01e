#pragma once

#include <string>
#include <utility>
#include <variant>

namespace moonleaf {

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
