// The host's IPropertyBag seen as the control's property bag: VARIANTs in, typed values out.
#pragma once

#include <ocidl.h>

#include "moonleaf/control/property_bag.h"

namespace moonleaf_com {

class VariantPropertyBag final : public moonleaf::PropertyBag {
  public:
    VariantPropertyBag(IPropertyBag& bag, IErrorLog* log) : bag_(bag), log_(log) {}

    moonleaf::BagValue read(std::string_view key) override;
    bool write(std::string_view key, const moonleaf::StoredValue& value) override;

  private:
    IPropertyBag& bag_;
    IErrorLog* log_;
};

// What a VARIANT read from a bag holds, in the control's terms.
moonleaf::BagValue bag_value_of(const VARIANT& value);

}  // namespace moonleaf_com
