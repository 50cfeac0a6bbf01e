#include "tockly/model/time_text.h"

#include <vector>

#include "tockly/model/text_functions.h"

namespace tockly::model {

namespace {

// UTF-8 text cut into characters, so that the scan counts characters, not bytes.
std::vector<std::string_view> characters(std::string_view text) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = lead < 0x80    ? 1
                        : lead >= 0xF0 ? 4
                        : lead >= 0xE0 ? 3
                        : lead >= 0xC0 ? 2
                                       : 1;
        if (i + length > text.size()) length = text.size() - i;
        out.push_back(text.substr(i, length));
        i += length;
    }
    return out;
}

bool is_digit(std::string_view character) {
    return character.size() == 1 && character[0] >= '0' && character[0] <= '9';
}

std::string join(const std::vector<std::string_view>& chars, size_t from, size_t to) {
    std::string out;
    for (size_t i = from; i < to && i < chars.size(); ++i) out += chars[i];
    return out;
}

// A run of digits as the decimal text of its value ("007" -> "7"), so that arbitrarily long
// runs never overflow anything.
std::string digits_value(const std::string& digits) {
    const size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

std::string two_digit(std::string number) {
    return number.size() == 1 ? "0" + number : number;
}

}  // namespace

std::string biaozhungeshi(std::string_view shi) {
    std::vector<std::string_view> chars = characters(shi);
    while (!chars.empty() && !is_digit(chars.back())) chars.pop_back();

    // The third non-digit from the end separates a leading day-half marker from the time.
    std::string marker;
    size_t start = 0;
    int non_digits = 0;
    for (size_t i = chars.size(); i-- > 0;) {
        if (is_digit(chars[i]) || ++non_digits < 3) continue;
        marker = std::string(trim_spaces(join(chars, i + 1 >= 3 ? i + 1 - 3 : 0, i + 1)));
        start = i + 1;
        break;
    }

    size_t pos = start;
    auto read_digits = [&] {
        std::string run;
        while (pos < chars.size() && is_digit(chars[pos])) run += chars[pos++];
        return run;
    };

    std::string hour = read_digits();
    const std::string marker_lower = lower_ascii(marker);
    const std::string hour_value = digits_value(hour);
    if (marker == "下午" || marker_lower == "pm") {
        if (hour_value.size() <= 2) {
            const int converted = std::stoi(hour_value) + 12;
            hour = converted == 24 ? "12" : std::to_string(converted);
        }
    } else if ((marker == "上午" || marker_lower == "am") && hour_value == "12") {
        hour = "0";
    }
    ++pos;  // the separator

    const std::string minute = read_digits();
    ++pos;
    const std::string second_digits = read_digits();
    const std::string second = second_digits.empty() ? "0" : digits_value(second_digits);

    return hour + ":" + two_digit(minute) + ":" + two_digit(second);
}

TimeOfDay split_time(std::string_view normalised) {
    TimeOfDay time;
    time.hour = numeric_value(normalised);
    const size_t first = normalised.find(':');
    if (first == std::string_view::npos) return time;
    time.minute = numeric_value(normalised.substr(first + 1));
    const size_t second = normalised.find(':', first + 1);
    if (second != std::string_view::npos)
        time.second = numeric_value(normalised.substr(second + 1));
    return time;
}

}  // namespace tockly::model
