#include "tests/wine/dispatch_calls.h"

namespace moonleaf_test {

HRESULT get_property(IDispatch* object, DISPID id, VARIANT* result) {
    DISPPARAMS none{};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, result, nullptr, nullptr);
}

HRESULT put_property(IDispatch* object, DISPID id, VARIANT value) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{&value, &named, 1, 1};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr, nullptr,
                          nullptr);
}

HRESULT call_with_date(IDispatch* object, DISPID id, DATE date, VARIANT* result, std::wstring* error) {
    VARIANT argument = make_date(date);
    DISPPARAMS parameters{&argument, nullptr, 1, 0};
    EXCEPINFO exception{};
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, result,
                                      &exception, nullptr);
    if (error && exception.bstrDescription) *error = exception.bstrDescription;
    ::SysFreeString(exception.bstrDescription);
    ::SysFreeString(exception.bstrSource);
    ::SysFreeString(exception.bstrHelpFile);
    return hr;
}

VARIANT make_i4(LONG value) {
    VARIANT v;
    ::VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
}

VARIANT make_i2(SHORT value) {
    VARIANT v;
    ::VariantInit(&v);
    V_VT(&v) = VT_I2;
    V_I2(&v) = value;
    return v;
}

VARIANT make_bool(bool value) {
    VARIANT v;
    ::VariantInit(&v);
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

VARIANT make_date(DATE value) {
    VARIANT v;
    ::VariantInit(&v);
    V_VT(&v) = VT_DATE;
    V_DATE(&v) = value;
    return v;
}

}  // namespace moonleaf_test
