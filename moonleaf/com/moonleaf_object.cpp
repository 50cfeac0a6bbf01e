#include "moonleaf/com/moonleaf_object.h"

#include <shlwapi.h>

#include <new>

#include "common/win32/wide_text.h"
#include "moonleaf/com/exception_barrier.h"
#include "moonleaf/com/moonleaf_ids.h"
#include "moonleaf/com/text_conversion.h"

namespace moonleaf_com {

namespace {

// Errors of the control's calls, in the range reserved for controls.
const HRESULT kControlError = CUSTOM_CTL_SCODE(1000);

}  // namespace

HRESULT create_moonleaf_object(REFIID iid, void** object) {
    return barrier([&] {
        auto* created = new MoonleafObject();
        const HRESULT hr = created->QueryInterface(iid, object);
        created->Release();
        return hr;
    });
}

MoonleafObject::MoonleafObject()
    : click_point_(*this, moonleaf_ids::kEventsIid, ConnectionPoint::Sinks::OfDispatchInterface),
      property_notify_point_(*this, IID_IPropertyNotifySink, ConnectionPoint::Sinks::OfInterface),
      control_(*this, canvas_) {
    load_type_info(moonleaf_ids::kIid, type_info_);
    // Script hosts neither call InitNew nor load a bag, yet every property must hold its
    // default; a host that does either simply sets them again.
    (void)control_.init_new();
    dirty_ = false;
}

// At a reference count of 0 nothing may call back into the site: a window still open is
// destroyed quietly.
MoonleafObject::~MoonleafObject() {
    destroy_window();
}

HRESULT MoonleafObject::QueryInterface(REFIID iid, void** object) {
#define MOONLEAF_QI(interface, via) \
    { &IID_##interface, static_cast<int>(OFFSETOFCLASS(via, MoonleafObject)) }
    // The first entry answers IUnknown too.
    static const QITAB interfaces[] = {
        MOONLEAF_QI(IDispatch, _Moonleaf),
        {&moonleaf_ids::kIid, static_cast<int>(OFFSETOFCLASS(_Moonleaf, MoonleafObject))},
        MOONLEAF_QI(IConnectionPointContainer, IConnectionPointContainer),
        MOONLEAF_QI(IProvideClassInfo, IProvideClassInfo2),
        MOONLEAF_QI(IProvideClassInfo2, IProvideClassInfo2),
        MOONLEAF_QI(ISupportErrorInfo, ISupportErrorInfo),
        MOONLEAF_QI(IPersist, IPersistPropertyBag),
        MOONLEAF_QI(IPersistPropertyBag, IPersistPropertyBag),
        MOONLEAF_QI(IPersistStreamInit, IPersistStreamInit),
        MOONLEAF_QI(IOleObject, IOleObject),
        MOONLEAF_QI(IOleWindow, IOleInPlaceObject),
        MOONLEAF_QI(IOleInPlaceObject, IOleInPlaceObject),
        MOONLEAF_QI(IOleInPlaceActiveObject, IOleInPlaceActiveObject),
        MOONLEAF_QI(IViewObject, IViewObject2),
        MOONLEAF_QI(IViewObject2, IViewObject2),
        MOONLEAF_QI(IOleControl, IOleControl),
        {nullptr, 0},
    };
#undef MOONLEAF_QI
    return ::QISearch(this, interfaces, iid, object);
}

ULONG MoonleafObject::AddRef() {
    return ++references_;
}

ULONG MoonleafObject::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT MoonleafObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = type_info_ ? 1 : 0;
    return S_OK;
}

HRESULT MoonleafObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    if (!type_info_) return TYPE_E_CANTLOADLIBRARY;
    *info = ComPtr<ITypeInfo>(type_info_).detach();
    return S_OK;
}

HRESULT MoonleafObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!type_info_) return TYPE_E_CANTLOADLIBRARY;
    return barrier([&] { return ::DispGetIDsOfNames(type_info_.get(), names, count, ids); });
}

HRESULT MoonleafObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters,
                               VARIANT* result, EXCEPINFO* exception, UINT* argument_error) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!type_info_) return TYPE_E_CANTLOADLIBRARY;
    // A host's event handler may release us during the call.
    ComPtr<MoonleafObject> keep_alive(this);
    return barrier([&] {
        return type_info_->Invoke(static_cast<_Moonleaf*>(this), id, flags, parameters, result,
                                  exception, argument_error);
    });
}

HRESULT MoonleafObject::EnumConnectionPoints(IEnumConnectionPoints** points) {
    return barrier([&] {
        return enumerate_connection_points({&click_point_, &property_notify_point_}, points);
    });
}

HRESULT MoonleafObject::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (iid == moonleaf_ids::kEventsIid)
        *point = &click_point_;
    else if (iid == IID_IPropertyNotifySink)
        *point = &property_notify_point_;
    else
        return CONNECT_E_NOCONNECTION;
    AddRef();
    return S_OK;
}

HRESULT MoonleafObject::GetClassInfo(ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    ComPtr<ITypeInfo> class_info;
    const HRESULT hr = load_type_info(moonleaf_ids::kClsid, class_info);
    if (SUCCEEDED(hr)) *info = class_info.detach();
    return hr;
}

HRESULT MoonleafObject::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
        *guid = GUID_NULL;
        return E_INVALIDARG;
    }
    *guid = moonleaf_ids::kEventsIid;
    return S_OK;
}

HRESULT MoonleafObject::InterfaceSupportsErrorInfo(REFIID iid) {
    return iid == moonleaf_ids::kIid ? S_OK : S_FALSE;
}

HRESULT MoonleafObject::failed(const std::string& message) {
    ComPtr<ICreateErrorInfo> creator;
    if (SUCCEEDED(::CreateErrorInfo(creator.put()))) {
        const std::wstring description = common::win32::utf16_from_utf8(message);
        creator->SetGUID(moonleaf_ids::kIid);
        creator->SetSource(const_cast<LPOLESTR>(L"" MOONLEAF_PROGID));
        creator->SetDescription(const_cast<LPOLESTR>(description.c_str()));
        if (auto info = creator.query<IErrorInfo>(IID_IErrorInfo)) ::SetErrorInfo(0, info.get());
    }
    return kControlError;
}

HRESULT MoonleafObject::outcome(const moonleaf::Status& status) {
    return status.ok() ? S_OK : failed(status.message());
}

HRESULT MoonleafObject::text_outcome(const moonleaf::Result<std::string>& result, BSTR* text) {
    if (!text) return E_POINTER;
    *text = nullptr;
    if (!result.ok()) return failed(result.message());
    *text = bstr_from_utf8(result.value());
    return *text ? S_OK : E_OUTOFMEMORY;
}

void MoonleafObject::property_changed(moonleaf::PropertyId property) {
    dirty_ = true;
    const DISPID id = moonleaf::property_info(property).dispatch_id;
    property_notify_point_.for_each_sink<IPropertyNotifySink>(
        IID_IPropertyNotifySink, [&](IPropertyNotifySink* sink) { sink->OnChanged(id); });
    if (view_sink_) view_sink_->OnViewChange(DVASPECT_CONTENT, -1);
}

void MoonleafObject::raise_click() {
    if (events_frozen_ > 0) return;
    ComPtr<MoonleafObject> keep_alive(this);
    click_point_.for_each_sink<IDispatch>(IID_IDispatch, [](IDispatch* sink) {
        DISPPARAMS no_arguments{};
        sink->Invoke(DISPID_MOONLEAF_CLICK, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                     &no_arguments, nullptr, nullptr, nullptr);
    });
}

common::OleDate MoonleafObject::now() const {
    SYSTEMTIME local{};
    ::GetLocalTime(&local);
    double serial = 0.0;
    ::SystemTimeToVariantTime(&local, &serial);
    return common::OleDate(serial);
}

HRESULT MoonleafObject::GetControlInfo(CONTROLINFO* info) {
    if (!info) return E_POINTER;
    info->cb = sizeof(CONTROLINFO);
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

HRESULT MoonleafObject::FreezeEvents(BOOL freeze) {
    events_frozen_ += freeze ? 1 : -1;
    if (events_frozen_ < 0) events_frozen_ = 0;
    return S_OK;
}

}  // namespace moonleaf_com
