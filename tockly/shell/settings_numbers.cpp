#include "tockly/shell/settings_numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tockly::shell {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the number at the start of `text`: an optional sign, digits with at most one
// point (at least one digit), and an exponent only when digits follow it. 0 when none.
size_t number_length(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && is_digit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && is_digit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && is_digit(text[j])) {
            while (j < text.size() && is_digit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

std::string_view skip_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    return text;
}

// from_chars takes no leading "+"; an out-of-range value reads as not a number.
std::optional<double> parse(std::string_view number) {
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<long> whole_number(std::string_view text) {
    text = skip_blanks(text);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    if (text.empty()) return 0;
    if (number_length(text) != text.size()) return std::nullopt;
    const std::optional<double> value = parse(text);
    if (!value) return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<long>(rounded);
}

double numeric_value(std::string_view text) {
    text = skip_blanks(text);
    return parse(text.substr(0, number_length(text))).value_or(0.0);
}

std::string shortest_decimal(double value) {
    if (value == 0) return "0";  // also for -0, which has no place in the file
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace tockly::shell
