// Reading and writing the control's properties through a property bag.
#include <cmath>
#include <limits>

#include "moonleaf/control/moonleaf_control.h"

namespace moonleaf {
namespace {

using common::OleDate;

// A bag may hold anything under a key (another program wrote it, or the file was edited):
// only a value of the right kind and range is taken, anything else gives the default.

Colour colour_or(const BagValue& stored, Colour fallback) {
    const auto* integer = std::get_if<std::int64_t>(&stored);
    // Hosts store colours as signed 32-bit (system colours come out negative) or unsigned.
    if (!integer || *integer < std::numeric_limits<std::int32_t>::min() ||
        *integer > std::numeric_limits<std::uint32_t>::max())
        return fallback;
    return static_cast<Colour>(*integer);
}

bool flag_or(const BagValue& stored, bool fallback) {
    const auto* flag = std::get_if<bool>(&stored);
    return flag ? *flag : fallback;
}

OleDate date_or(const BagValue& stored, OleDate fallback) {
    const auto* date = std::get_if<OleDate>(&stored);
    return date && std::isfinite(date->serial()) && date->in_ole_range() ? *date : fallback;
}

std::int16_t small_integer_or(const BagValue& stored, std::int16_t fallback) {
    const auto* integer = std::get_if<std::int64_t>(&stored);
    if (!integer || *integer < std::numeric_limits<std::int16_t>::min() ||
        *integer > std::numeric_limits<std::int16_t>::max())
        return fallback;
    return static_cast<std::int16_t>(*integer);
}

}  // namespace

Status MoonleafControl::load(PropertyBag& bag) {
    const ControlProperties defaults;
    Status status;
    status.keep_first_failure(
        put_BottomBackColor(colour_or(bag.read("BottomBackColor"), defaults.BottomBackColor)));
    status.keep_first_failure(
        put_DateBackColor(colour_or(bag.read("DateBackColor"), defaults.DateBackColor)));
    status.keep_first_failure(
        put_GridLinesColor(colour_or(bag.read("GridLinesColor"), defaults.GridLinesColor)));
    status.keep_first_failure(
        put_SelectColor(colour_or(bag.read("SelectColor"), defaults.SelectColor)));
    status.keep_first_failure(
        put_ShowVerticalGrid(flag_or(bag.read("ShowVerticalGrid"), defaults.ShowVerticalGrid)));
    status.keep_first_failure(put_ShowHorizontalGrid(
        flag_or(bag.read("ShowHorizontalGrid"), defaults.ShowHorizontalGrid)));
    status.keep_first_failure(
        put_TitleBackColor(colour_or(bag.read("TitleBackColor"), defaults.TitleBackColor)));
    status.keep_first_failure(
        put_WeekBackColor(colour_or(bag.read("WeekBackColor"), defaults.WeekBackColor)));
    // The default is the current date at the time of reading.
    status.keep_first_failure(put_Value(date_or(bag.read("Value"), host_.now().date_only())));
    status.keep_first_failure(put_Big(small_integer_or(bag.read("Big"), defaults.Big)));
    return status;
}

bool MoonleafControl::save(PropertyBag& bag) const {
    const ControlProperties defaults;
    bool saved = true;
    auto store = [&](const char* key, auto value, auto fallback, auto as_stored) {
        if (value != fallback) saved = bag.write(key, StoredValue(as_stored(value))) && saved;
    };
    auto as_int32 = [](Colour colour) { return static_cast<std::int32_t>(colour); };
    auto as_is = [](auto value) { return value; };
    const ControlProperties& p = properties_;
    store("BottomBackColor", p.BottomBackColor, defaults.BottomBackColor, as_int32);
    store("DateBackColor", p.DateBackColor, defaults.DateBackColor, as_int32);
    store("GridLinesColor", p.GridLinesColor, defaults.GridLinesColor, as_int32);
    store("SelectColor", p.SelectColor, defaults.SelectColor, as_int32);
    store("ShowVerticalGrid", p.ShowVerticalGrid, defaults.ShowVerticalGrid, as_is);
    store("ShowHorizontalGrid", p.ShowHorizontalGrid, defaults.ShowHorizontalGrid, as_is);
    store("TitleBackColor", p.TitleBackColor, defaults.TitleBackColor, as_int32);
    store("WeekBackColor", p.WeekBackColor, defaults.WeekBackColor, as_int32);
    // The default is the current date at the time of writing: a control saved on the day it
    // shows comes back showing the day it is loaded.
    store("Value", p.Value, host_.now().date_only(), as_is);
    store("Big", p.Big, defaults.Big, as_is);
    return saved;
}

}  // namespace moonleaf
