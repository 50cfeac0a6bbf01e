#pragma once

// Numbers as the controls' texts and the settings file hold them.

#include <cstddef>
#include <optional>
#include <string_view>

namespace tockly::model {

// Length of the number at the start of `text`: an optional sign, digits with at most one
// point (at least one digit), and an exponent only when digits follow it; 0 when none.
std::size_t number_length(std::string_view text);

// A number text as number_length measures it; nothing when it is not one or is beyond a
// double's range.
std::optional<double> parse_number(std::string_view number);

// The number a text starts with, the way the controls' texts are read everywhere: leading
// blanks skipped, then sign, digits, fraction and exponent; 0 when the text does not start
// with a number ("全部", "", "abc").
double numeric_value(std::string_view text);

}  // namespace tockly::model
