// The members of `_Moonleaf`: conversions between COM's types and the control's.
#include "moonleaf/com/exception_barrier.h"
#include "moonleaf/com/moonleaf_ids.h"
#include "moonleaf/com/moonleaf_object.h"

namespace moonleaf_com {

namespace {

long to_com(Colour colour) {
    return static_cast<long>(colour);
}
VARIANT_BOOL to_com(bool value) {
    return value ? VARIANT_TRUE : VARIANT_FALSE;
}
DATE to_com(common::OleDate date) {
    return date.serial();
}
short to_com(std::int16_t value) {
    return value;
}

template <class T>
T from_com(ComType<T> value) {
    if constexpr (std::is_same_v<T, bool>)
        return value != VARIANT_FALSE;
    else
        return T(value);
}

}  // namespace

// The type library's dispatch identifiers are those of the property table.
#define MOONLEAF_SAME_ID(name, NAME)                                                 \
    static_assert(moonleaf::property_info(moonleaf::PropertyId::name).dispatch_id == \
                  DISPID_MOONLEAF_##NAME);
MOONLEAF_SAME_ID(BottomBackColor, BOTTOMBACKCOLOR)
MOONLEAF_SAME_ID(DateBackColor, DATEBACKCOLOR)
MOONLEAF_SAME_ID(GridLinesColor, GRIDLINESCOLOR)
MOONLEAF_SAME_ID(SelectColor, SELECTCOLOR)
MOONLEAF_SAME_ID(ShowVerticalGrid, SHOWVERTICALGRID)
MOONLEAF_SAME_ID(ShowHorizontalGrid, SHOWHORIZONTALGRID)
MOONLEAF_SAME_ID(TitleBackColor, TITLEBACKCOLOR)
MOONLEAF_SAME_ID(WeekBackColor, WEEKBACKCOLOR)
MOONLEAF_SAME_ID(Value, VALUE)
MOONLEAF_SAME_ID(Big, BIG)
MOONLEAF_SAME_ID(ShowHolidays, SHOWHOLIDAYS)
#undef MOONLEAF_SAME_ID

#define MOONLEAF_COM_ACCESSOR_BODIES(name, id, type, fallback, redraw)                       \
    HRESULT MoonleafObject::get_##name(ComType<type>* value) {                               \
        return barrier([&] {                                                                 \
            if (!value) return E_POINTER;                                                    \
            *value = to_com(control_.get_##name());                                          \
            return S_OK;                                                                     \
        });                                                                                  \
    }                                                                                        \
    HRESULT MoonleafObject::put_##name(ComType<type> value) {                                \
        return barrier([&] { return outcome(control_.put_##name(from_com<type>(value))); }); \
    }
MOONLEAF_PROPERTIES(MOONLEAF_COM_ACCESSOR_BODIES)
#undef MOONLEAF_COM_ACCESSOR_BODIES

HRESULT MoonleafObject::GetChineseDate(DATE theDate, BSTR* text) {
    return barrier(
        [&] { return text_outcome(control_.GetChineseDate(common::OleDate(theDate)), text); });
}
HRESULT MoonleafObject::GetChineseYear(DATE theDate, BSTR* text) {
    return barrier(
        [&] { return text_outcome(control_.GetChineseYear(common::OleDate(theDate)), text); });
}
HRESULT MoonleafObject::GetChineseMonth(DATE theDate, BSTR* text) {
    return barrier(
        [&] { return text_outcome(control_.GetChineseMonth(common::OleDate(theDate)), text); });
}
HRESULT MoonleafObject::GetChineseDay(DATE theDate, BSTR* text) {
    return barrier(
        [&] { return text_outcome(control_.GetChineseDay(common::OleDate(theDate)), text); });
}
HRESULT MoonleafObject::GetChineseAnimal(DATE theDate, BSTR* text) {
    return barrier(
        [&] { return text_outcome(control_.GetChineseAnimal(common::OleDate(theDate)), text); });
}
HRESULT MoonleafObject::GetConstellation(DATE theDate, BSTR* text) {
    return barrier(
        [&] { return text_outcome(control_.GetConstellation(common::OleDate(theDate)), text); });
}
HRESULT MoonleafObject::IsWorkday(DATE theDate, VARIANT_BOOL* workday) {
    return barrier([&] {
        if (!workday) return E_POINTER;
        *workday = to_com(control_.IsWorkday(common::OleDate(theDate)));
        return S_OK;
    });
}
HRESULT MoonleafObject::GetHolidayName(DATE theDate, BSTR* name) {
    return barrier(
        [&] { return text_outcome(control_.GetHolidayName(common::OleDate(theDate)), name); });
}

}  // namespace moonleaf_com
