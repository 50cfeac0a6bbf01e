// Identifiers of the Moonleaf control, shared by the control, its type library and every host.
// A host includes this header alone and binds late: nothing of Moonleaf needs to be linked.
// The type library's IDL includes it too (under widl, only the macros are seen), so the
// identifiers exist in exactly one place.
#pragma once

#define MOONLEAF_LIBID_TEXT "bd36b613-ad52-4998-ab0a-1d2c8a4c4264"
#define MOONLEAF_CLSID_TEXT "e6b4f5dd-588c-4b2a-bf3e-33f6f5e132cc"
#define MOONLEAF_IID_TEXT "c18265ae-a891-46be-837c-560545301444"
#define MOONLEAF_EVENTS_IID_TEXT "41892919-ae1b-473b-b1f6-8e2630e3e9a5"

#define MOONLEAF_PROGID "Moonleaf2.Moonleaf"
#define MOONLEAF_PROGID_CURRENT "Moonleaf2.Moonleaf.1"

// Dispatch identifiers of `_Moonleaf`, in slot order.
#define DISPID_MOONLEAF_BOTTOMBACKCOLOR 1
#define DISPID_MOONLEAF_DATEBACKCOLOR 2
#define DISPID_MOONLEAF_GRIDLINESCOLOR 3
#define DISPID_MOONLEAF_SELECTCOLOR 4
#define DISPID_MOONLEAF_SHOWVERTICALGRID 5
#define DISPID_MOONLEAF_SHOWHORIZONTALGRID 6
#define DISPID_MOONLEAF_TITLEBACKCOLOR 7
#define DISPID_MOONLEAF_WEEKBACKCOLOR 8
#define DISPID_MOONLEAF_VALUE 9
#define DISPID_MOONLEAF_BIG 10
#define DISPID_MOONLEAF_GETCHINESEDATE 11
#define DISPID_MOONLEAF_GETCHINESEYEAR 12
#define DISPID_MOONLEAF_GETCHINESEMONTH 13
#define DISPID_MOONLEAF_GETCHINESEDAY 14
#define DISPID_MOONLEAF_GETCHINESEANIMAL 15
#define DISPID_MOONLEAF_GETCONSTELLATION 16
#define DISPID_MOONLEAF_SHOWHOLIDAYS 17
#define DISPID_MOONLEAF_ISWORKDAY 18
#define DISPID_MOONLEAF_GETHOLIDAYNAME 19

// Dispatch identifier of `Click` in the event interface `__Moonleaf`.
#define DISPID_MOONLEAF_CLICK 1

#if !defined(__WIDL__) && defined(__cplusplus)

#include <guiddef.h>

namespace moonleaf_ids {

namespace detail {

consteval unsigned long hex_value(const char* text, int first, int count) {
    unsigned long value = 0;
    for (int i = first; i < first + count; ++i) {
        const char c = text[i];
        const unsigned long digit =
            c >= '0' && c <= '9'   ? static_cast<unsigned long>(c - '0')
            : c >= 'a' && c <= 'f' ? static_cast<unsigned long>(c - 'a' + 10)
            : c >= 'A' && c <= 'F' ? static_cast<unsigned long>(c - 'A' + 10)
                                   : throw "not a GUID";
        value = value * 16 + digit;
    }
    return value;
}

// "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx" to a GUID, at compile time.
consteval GUID guid_from_text(const char* text) {
    GUID guid{};
    guid.Data1 = hex_value(text, 0, 8);
    guid.Data2 = static_cast<unsigned short>(hex_value(text, 9, 4));
    guid.Data3 = static_cast<unsigned short>(hex_value(text, 14, 4));
    constexpr int byte_offsets[8] = {19, 21, 24, 26, 28, 30, 32, 34};
    for (int i = 0; i < 8; ++i)
        guid.Data4[i] = static_cast<unsigned char>(hex_value(text, byte_offsets[i], 2));
    return guid;
}

}  // namespace detail

inline constexpr GUID kLibid = detail::guid_from_text(MOONLEAF_LIBID_TEXT);
inline constexpr GUID kClsid = detail::guid_from_text(MOONLEAF_CLSID_TEXT);
inline constexpr GUID kIid = detail::guid_from_text(MOONLEAF_IID_TEXT);
inline constexpr GUID kEventsIid = detail::guid_from_text(MOONLEAF_EVENTS_IID_TEXT);

inline constexpr unsigned short kLibraryMajorVersion = 1;
inline constexpr unsigned short kLibraryMinorVersion = 0;

}  // namespace moonleaf_ids

#endif
