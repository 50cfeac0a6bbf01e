#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "common/ole_date.h"

namespace moonleaf {

// What a bag holds under a key, as found: the control converts it to the property's type and
// checks its range itself, so the host only translates. For IPropertyBag: read with VT_EMPTY and
// map the VARIANT — any integer type (VT_I1…VT_UI8, VT_INT, VT_UINT) to std::int64_t, VT_BOOL to
// bool, VT_DATE to OleDate, VT_R4/VT_R8/VT_CY/VT_DECIMAL to double, VT_BSTR to std::string (UTF-8),
// a failed read (key absent) to BagMissing, anything else to BagUnsupported.
struct BagMissing {
    bool operator==(const BagMissing&) const = default;
};
struct BagUnsupported {
    bool operator==(const BagUnsupported&) const = default;
};
using BagValue = std::variant<BagMissing, std::int64_t, bool, common::OleDate, double, std::string,
                              BagUnsupported>;

// What the control stores, typed exactly: colours as a 32-bit integer (VT_I4), booleans
// (VT_BOOL), `Value` as a date (VT_DATE), `Big` as a 16-bit integer (VT_I2).
using StoredValue = std::variant<std::int32_t, bool, common::OleDate, std::int16_t>;

// The host's property bag (IPersistPropertyBag::Load/Save), or MemoryPropertyBag for streams.
class PropertyBag {
  public:
    virtual ~PropertyBag() = default;
    virtual BagValue read(std::string_view key) = 0;
    // False when the bag refused the value.
    virtual bool write(std::string_view key, const StoredValue& value) = 0;
};

}  // namespace moonleaf
