// Reading and writing the control's properties through a property bag.
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "moonleaf/control/moonleaf_control.h"

namespace moonleaf {
namespace {

using common::OleDate;

// A bag may hold a value under another type than the one we store: HTML <param> elements and
// text-based bags give text ("1", "255", "False"), others integers for booleans or doubles for
// colours. Such a value is converted as Automation converts it; one that does not convert, or
// lies out of range, is a bad value and the property takes its default.

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::optional<double> number_in(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
    return value;
}

// A whole number, rounding a real one to the nearest (ties to even) as Automation does.
std::optional<std::int64_t> integer_in(const BagValue& stored) {
    if (const auto* integer = std::get_if<std::int64_t>(&stored)) return *integer;
    std::optional<double> real;
    if (const auto* r = std::get_if<double>(&stored)) real = *r;
    if (const auto* text = std::get_if<std::string>(&stored)) real = number_in(*text);
    if (!real || !std::isfinite(*real) || std::fabs(*real) > 1e18) return {};
    return static_cast<std::int64_t>(std::nearbyint(*real));
}

std::optional<Colour> colour_in(const BagValue& stored) {
    const auto integer = integer_in(stored);
    // Hosts store colours as signed 32-bit (system colours come out negative) or unsigned.
    if (!integer || *integer < std::numeric_limits<std::int32_t>::min() ||
        *integer > std::numeric_limits<std::uint32_t>::max())
        return {};
    return static_cast<Colour>(*integer);
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
    return true;
}

std::optional<bool> flag_in(const BagValue& stored) {
    if (const auto* flag = std::get_if<bool>(&stored)) return *flag;
    if (const auto* text = std::get_if<std::string>(&stored)) {
        if (equals_ignoring_case(trimmed(*text), "true")) return true;
        if (equals_ignoring_case(trimmed(*text), "false")) return false;
    }
    const auto integer = integer_in(stored);
    if (!integer) return {};
    return *integer != 0;
}

std::optional<OleDate> date_in(const BagValue& stored) {
    std::optional<OleDate> date;
    if (const auto* d = std::get_if<OleDate>(&stored)) date = *d;
    if (const auto* real = std::get_if<double>(&stored)) date = OleDate(*real);
    if (const auto* text = std::get_if<std::string>(&stored))
        if (const auto ymd = common::parse_iso_date(trimmed(*text))) date = OleDate::from_ymd(*ymd);
    if (!date || !std::isfinite(date->serial()) || !date->in_ole_range()) return {};
    return date;
}

std::optional<std::int16_t> small_integer_in(const BagValue& stored) {
    const auto integer = integer_in(stored);
    if (!integer || *integer < std::numeric_limits<std::int16_t>::min() ||
        *integer > std::numeric_limits<std::int16_t>::max())
        return {};
    return static_cast<std::int16_t>(*integer);
}

// The stored value as the property's type, or the default.
PropertyValue converted(const BagValue& stored, const PropertyValue& fallback) {
    return std::visit(
        [&](auto typed_fallback) -> PropertyValue {
            using T = decltype(typed_fallback);
            std::optional<T> value;
            if constexpr (std::is_same_v<T, Colour>)
                value = colour_in(stored);
            else if constexpr (std::is_same_v<T, bool>)
                value = flag_in(stored);
            else if constexpr (std::is_same_v<T, OleDate>)
                value = date_in(stored);
            else
                value = small_integer_in(stored);
            return value.value_or(typed_fallback);
        },
        fallback);
}

StoredValue stored_as(const PropertyValue& value) {
    return std::visit(
        [](auto typed) -> StoredValue {
            if constexpr (std::is_same_v<decltype(typed), Colour>)
                return static_cast<std::int32_t>(typed);
            else
                return typed;
        },
        value);
}

}  // namespace

// `Value`'s default is the current date at the time of reading or writing: a control saved on
// the day it shows comes back showing the day it is loaded.
PropertyValue MoonleafControl::default_of(const PropertyInfo& info) const {
    if (info.id == PropertyId::Value) return host_.now().date_only();
    return info.fallback;
}

Status MoonleafControl::load(PropertyBag& bag) {
    Status status;
    for (const PropertyInfo& info : kProperties)
        status.keep_first_failure(put(info.id, converted(bag.read(info.name), default_of(info))));
    return status;
}

bool MoonleafControl::save(PropertyBag& bag) const {
    bool saved = true;
    for (const PropertyInfo& info : kProperties) {
        const PropertyValue value = get(info.id);
        if (value != default_of(info)) saved = bag.write(info.name, stored_as(value)) && saved;
    }
    return saved;
}

}  // namespace moonleaf
