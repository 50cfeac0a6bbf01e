#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tockly::settings_file {

// How a settings line becomes a number and a number a settings line. The other reading, a
// line's leading number, is model::numeric_value, as everywhere else.

// The whole text as a whole number, rounded half to even when it has a fraction; blanks around
// it are allowed and empty text is 0. Any other text (and a value beyond 32 bits) is not a
// number: the field that reads it keeps its value.
std::optional<long> whole_number(std::string_view text);

// True when the whole text is a number, blanks around it allowed; empty text counts as 0.
bool is_number_text(std::string_view text);

// The shortest plain decimal text that reads back as the same value, a fraction only when the
// value has one ("30", "1234.5", "100000000000000000000"; never an exponent).
std::string shortest_decimal(double value);

}  // namespace tockly::settings_file
