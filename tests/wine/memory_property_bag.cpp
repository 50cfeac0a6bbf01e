#include "tests/wine/memory_property_bag.h"

namespace moonleaf_test {

MemoryBag::~MemoryBag() {
    for (auto& [name, value] : values) ::VariantClear(&value);
}

HRESULT MemoryBag::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IPropertyBag) {
        *object = static_cast<IPropertyBag*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT MemoryBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
    const auto found = values.find(name);
    if (found == values.end()) return E_INVALIDARG;
    if (V_VT(value) == VT_EMPTY) return ::VariantCopy(value, &found->second);
    return ::VariantChangeType(value, &found->second, 0, V_VT(value));
}

HRESULT MemoryBag::Write(LPCOLESTR name, VARIANT* value) {
    VARIANT copy;
    ::VariantInit(&copy);
    const HRESULT hr = ::VariantCopy(&copy, value);
    if (FAILED(hr)) return hr;
    ::VariantClear(&values[name]);
    values[name] = copy;
    return S_OK;
}

}  // namespace moonleaf_test
