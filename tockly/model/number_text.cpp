#include "tockly/model/number_text.h"

#include <charconv>
#include <cmath>

namespace tockly::model {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::size_t number_length(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && is_digit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && is_digit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && is_digit(text[j])) {
            while (j < text.size() && is_digit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

std::optional<double> parse_number(std::string_view number) {
    // from_chars takes no leading "+".
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double numeric_value(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    const std::string_view number = text.substr(0, number_length(text));
    if (number.empty()) return 0.0;
    // The tick reads a hundred of these five times a second: short whole numbers, the usual
    // case, are summed up in place; anything else takes the library's conversion.
    if (number.size() <= 15 && number.find_first_of(".eE") == std::string_view::npos) {
        double value = 0;
        for (char c : number) {
            if (is_digit(c)) value = value * 10 + (c - '0');
        }
        return number.front() == '-' ? -value : value;
    }
    return parse_number(number).value_or(0.0);
}

}  // namespace tockly::model
