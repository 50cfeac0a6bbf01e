#include "common/win32/dispatch_calls.h"

namespace common::win32 {

HRESULT get_property(IDispatch* object, DISPID id, VARIANT* result) {
    DISPPARAMS none{};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, result,
                          nullptr, nullptr);
}

HRESULT put_property(IDispatch* object, DISPID id, VARIANT value) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{&value, &named, 1, 1};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters,
                          nullptr, nullptr, nullptr);
}

HRESULT call_with_date(IDispatch* object, DISPID id, DATE date, VARIANT* result,
                       std::wstring* error) {
    VARIANT argument = make_date(date);
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    EXCEPINFO exception{};
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                      &parameters, result, &exception, nullptr);
    if (error && exception.bstrDescription) *error = exception.bstrDescription;
    ::SysFreeString(exception.bstrDescription);
    ::SysFreeString(exception.bstrSource);
    ::SysFreeString(exception.bstrHelpFile);
    return hr;
}

namespace {
template <typename Set>
VARIANT make_variant(VARTYPE type, Set set) {
    VARIANT v;
    ::VariantInit(&v);
    V_VT(&v) = type;
    set(v);
    return v;
}
}  // namespace

VARIANT make_i4(LONG value) {
    return make_variant(VT_I4, [&](VARIANT& v) { V_I4(&v) = value; });
}
VARIANT make_i2(SHORT value) {
    return make_variant(VT_I2, [&](VARIANT& v) { V_I2(&v) = value; });
}
VARIANT make_bool(bool value) {
    return make_variant(VT_BOOL,
                        [&](VARIANT& v) { V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE; });
}
VARIANT make_date(DATE value) {
    return make_variant(VT_DATE, [&](VARIANT& v) { V_DATE(&v) = value; });
}

}  // namespace common::win32
