#include "moonleaf/com/variant_property_bag.h"

#include <string>
#include <type_traits>

#include "common/win32/wide_text.h"
#include "moonleaf/com/com_ptr.h"
#include "moonleaf/com/text_conversion.h"

namespace moonleaf_com {

moonleaf::BagValue bag_value_of(const VARIANT& value) {
    switch (V_VT(&value)) {
        case VT_I1:
            return std::int64_t{V_I1(&value)};
        case VT_I2:
            return std::int64_t{V_I2(&value)};
        case VT_I4:
            return std::int64_t{V_I4(&value)};
        case VT_I8:
            return std::int64_t{V_I8(&value)};
        case VT_INT:
            return std::int64_t{V_INT(&value)};
        case VT_UI1:
            return std::int64_t{V_UI1(&value)};
        case VT_UI2:
            return std::int64_t{V_UI2(&value)};
        case VT_UI4:
            return std::int64_t{V_UI4(&value)};
        case VT_UINT:
            return std::int64_t{V_UINT(&value)};
        case VT_UI8:
            // Beyond the signed range it can be no valid property value anyway.
            if (V_UI8(&value) > static_cast<ULONGLONG>(INT64_MAX))
                return moonleaf::BagUnsupported{};
            return static_cast<std::int64_t>(V_UI8(&value));
        case VT_BOOL:
            return V_BOOL(&value) != VARIANT_FALSE;
        case VT_DATE:
            return common::OleDate(V_DATE(&value));
        case VT_R4:
            return double{V_R4(&value)};
        case VT_R8:
            return V_R8(&value);
        case VT_CY:
        case VT_DECIMAL: {
            UniqueVariant real;
            if (FAILED(::VariantChangeType(real.get(), const_cast<VARIANT*>(&value), 0, VT_R8)))
                return moonleaf::BagUnsupported{};
            return V_R8(real.get());
        }
        case VT_BSTR: {
            const BSTR text = V_BSTR(&value);
            return common::win32::utf8_from_utf16(
                std::wstring_view(text ? text : L"", ::SysStringLen(text)));
        }
        default:
            return moonleaf::BagUnsupported{};
    }
}

moonleaf::BagValue VariantPropertyBag::read(std::string_view key) {
    const std::wstring name = common::win32::utf16_from_utf8(key);
    UniqueVariant value;  // VT_EMPTY: the bag gives the type it stored
    if (FAILED(bag_.Read(name.c_str(), value.get(), log_))) return moonleaf::BagMissing{};
    return bag_value_of(*value);
}

bool VariantPropertyBag::write(std::string_view key, const moonleaf::StoredValue& stored) {
    const std::wstring name = common::win32::utf16_from_utf8(key);
    VARIANT value;
    ::VariantInit(&value);
    std::visit(
        [&](auto typed) {
            using T = decltype(typed);
            if constexpr (std::is_same_v<T, std::int32_t>) {
                V_VT(&value) = VT_I4;
                V_I4(&value) = typed;
            } else if constexpr (std::is_same_v<T, bool>) {
                V_VT(&value) = VT_BOOL;
                V_BOOL(&value) = typed ? VARIANT_TRUE : VARIANT_FALSE;
            } else if constexpr (std::is_same_v<T, common::OleDate>) {
                V_VT(&value) = VT_DATE;
                V_DATE(&value) = typed.serial();
            } else {
                V_VT(&value) = VT_I2;
                V_I2(&value) = typed;
            }
        },
        stored);
    return SUCCEEDED(bag_.Write(name.c_str(), &value));
}

}  // namespace moonleaf_com
