// The members of `_Moonleaf`: conversions between COM's types and the control's.
#include "moonleaf/com/moonleaf_object.h"

namespace moonleaf_com {

namespace {

template <typename Out, typename In>
HRESULT give(Out* out, In value) {
    if (!out) return E_POINTER;
    *out = static_cast<Out>(value);
    return S_OK;
}

VARIANT_BOOL variant_bool(bool value) {
    return value ? VARIANT_TRUE : VARIANT_FALSE;
}

// Colours travel as `long`, which every automation client (VBScript included) understands;
// system-colour references such as 0x80000005 are negative there.
moonleaf::Colour colour_of(long value) {
    return static_cast<moonleaf::Colour>(value);
}

}  // namespace

HRESULT MoonleafObject::get_BottomBackColor(long* value) {
    return give(value, control_.get_BottomBackColor());
}
HRESULT MoonleafObject::put_BottomBackColor(long value) {
    return outcome(control_.put_BottomBackColor(colour_of(value)));
}
HRESULT MoonleafObject::get_DateBackColor(long* value) {
    return give(value, control_.get_DateBackColor());
}
HRESULT MoonleafObject::put_DateBackColor(long value) {
    return outcome(control_.put_DateBackColor(colour_of(value)));
}
HRESULT MoonleafObject::get_GridLinesColor(long* value) {
    return give(value, control_.get_GridLinesColor());
}
HRESULT MoonleafObject::put_GridLinesColor(long value) {
    return outcome(control_.put_GridLinesColor(colour_of(value)));
}
HRESULT MoonleafObject::get_SelectColor(long* value) {
    return give(value, control_.get_SelectColor());
}
HRESULT MoonleafObject::put_SelectColor(long value) {
    return outcome(control_.put_SelectColor(colour_of(value)));
}
HRESULT MoonleafObject::get_TitleBackColor(long* value) {
    return give(value, control_.get_TitleBackColor());
}
HRESULT MoonleafObject::put_TitleBackColor(long value) {
    return outcome(control_.put_TitleBackColor(colour_of(value)));
}
HRESULT MoonleafObject::get_WeekBackColor(long* value) {
    return give(value, control_.get_WeekBackColor());
}
HRESULT MoonleafObject::put_WeekBackColor(long value) {
    return outcome(control_.put_WeekBackColor(colour_of(value)));
}

HRESULT MoonleafObject::get_ShowVerticalGrid(VARIANT_BOOL* value) {
    return give(value, variant_bool(control_.get_ShowVerticalGrid()));
}
HRESULT MoonleafObject::put_ShowVerticalGrid(VARIANT_BOOL value) {
    return outcome(control_.put_ShowVerticalGrid(value != VARIANT_FALSE));
}
HRESULT MoonleafObject::get_ShowHorizontalGrid(VARIANT_BOOL* value) {
    return give(value, variant_bool(control_.get_ShowHorizontalGrid()));
}
HRESULT MoonleafObject::put_ShowHorizontalGrid(VARIANT_BOOL value) {
    return outcome(control_.put_ShowHorizontalGrid(value != VARIANT_FALSE));
}

HRESULT MoonleafObject::get_Value(DATE* value) {
    return give(value, control_.get_Value().serial());
}
HRESULT MoonleafObject::put_Value(DATE value) {
    return outcome(control_.put_Value(common::OleDate(value)));
}
HRESULT MoonleafObject::get_Big(short* value) {
    return give(value, control_.get_Big());
}
HRESULT MoonleafObject::put_Big(short value) {
    return outcome(control_.put_Big(value));
}

HRESULT MoonleafObject::GetChineseDate(DATE theDate, BSTR* text) {
    return text_outcome(control_.GetChineseDate(common::OleDate(theDate)), text);
}
HRESULT MoonleafObject::GetChineseYear(DATE theDate, BSTR* text) {
    return text_outcome(control_.GetChineseYear(common::OleDate(theDate)), text);
}
HRESULT MoonleafObject::GetChineseMonth(DATE theDate, BSTR* text) {
    return text_outcome(control_.GetChineseMonth(common::OleDate(theDate)), text);
}
HRESULT MoonleafObject::GetChineseDay(DATE theDate, BSTR* text) {
    return text_outcome(control_.GetChineseDay(common::OleDate(theDate)), text);
}
HRESULT MoonleafObject::GetChineseAnimal(DATE theDate, BSTR* text) {
    return text_outcome(control_.GetChineseAnimal(common::OleDate(theDate)), text);
}
HRESULT MoonleafObject::GetConstellation(DATE theDate, BSTR* text) {
    return text_outcome(control_.GetConstellation(common::OleDate(theDate)), text);
}

}  // namespace moonleaf_com
