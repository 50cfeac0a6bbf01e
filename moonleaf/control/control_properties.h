#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "common/ole_date.h"
#include "moonleaf/control/canvas.h"

namespace moonleaf {

// The eleven properties of the control, in the order of the interface, of persistence and of a
// new instance's defaults: name, dispatch identifier, type, default, what a write redraws.
// `ShowHolidays` came after the six methods, so its identifier follows theirs.
// Everything that lists the properties (the fields, the accessors here and in the COM object,
// loading and saving, the dispatch-identifier lookup) is made from this one list.
// `Value`'s default is the current date, which only the host's clock knows: OleDate() here.
#define MOONLEAF_PROPERTIES(X)                                             \
    X(BottomBackColor, 1, Colour, 0xC0C0C0, Redraw::BottomBand)            \
    X(DateBackColor, 2, Colour, 0xE0E0E0, Redraw::Grid)                    \
    X(GridLinesColor, 3, Colour, 0x800000, Redraw::Grid)                   \
    X(SelectColor, 4, Colour, 0xFFC0C0, Redraw::Grid)                      \
    X(ShowVerticalGrid, 5, bool, true, Redraw::Grid)                       \
    X(ShowHorizontalGrid, 6, bool, true, Redraw::Grid)                     \
    X(TitleBackColor, 7, Colour, 0xC0C0C0, Redraw::SelectorsThenTitleBand) \
    X(WeekBackColor, 8, Colour, 0xFFFFC0, Redraw::WeekdayHeader)           \
    X(Value, 9, common::OleDate, common::OleDate(), Redraw::ValueBands)    \
    X(Big, 10, std::int16_t, 0, Redraw::EveryBand)                         \
    X(ShowHolidays, 17, bool, false, Redraw::Grid)

// What a property write redraws.
enum class Redraw {
    BottomBand,
    Grid,
    SelectorsThenTitleBand,  // both selectors take the new background, then the title band
    WeekdayHeader,
    ValueBands,  // the lists and labels follow, then title band, bottom band, grid
    EveryBand    // title band, weekday header, bottom band, grid
};

struct ControlProperties {
#define MOONLEAF_FIELD(name, id, type, fallback, redraw) type name = type(fallback);
    MOONLEAF_PROPERTIES(MOONLEAF_FIELD)
#undef MOONLEAF_FIELD
};

enum class PropertyId : std::size_t {
#define MOONLEAF_ID(name, id, type, fallback, redraw) name,
    MOONLEAF_PROPERTIES(MOONLEAF_ID)
#undef MOONLEAF_ID
};

// A property's value; the alternative is the property's type.
using PropertyValue = std::variant<Colour, bool, common::OleDate, std::int16_t>;
using PropertyField =
    std::variant<Colour ControlProperties::*, bool ControlProperties::*,
                 common::OleDate ControlProperties::*, std::int16_t ControlProperties::*>;

struct PropertyInfo {
    PropertyId id;
    std::string_view name;
    int dispatch_id;
    PropertyField field;
    PropertyValue fallback;  // the default
    Redraw redraw;
};

inline constexpr std::array<PropertyInfo, 11> kProperties = {{
#define MOONLEAF_INFO(name, id, type, fallback, redraw) \
    {PropertyId::name, #name, id, &ControlProperties::name, type(fallback), redraw},
    MOONLEAF_PROPERTIES(MOONLEAF_INFO)
#undef MOONLEAF_INFO
}};

constexpr const PropertyInfo& property_info(PropertyId id) {
    return kProperties[static_cast<std::size_t>(id)];
}

// The property of a member name, as a host spells it ("Value").
constexpr std::optional<PropertyId> property_named(std::string_view name) {
    for (const PropertyInfo& info : kProperties)
        if (info.name == name) return info.id;
    return std::nullopt;
}

// The stored value of a property of `properties`.
inline PropertyValue value_of(const ControlProperties& properties, PropertyId id) {
    return std::visit([&](auto field) { return PropertyValue(properties.*field); },
                      property_info(id).field);
}

}  // namespace moonleaf
