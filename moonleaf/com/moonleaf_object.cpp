#include "moonleaf/com/moonleaf_object.h"

#include <new>

#include "common/win32/wide_text.h"
#include "moonleaf/com/moonleaf_ids.h"
#include "moonleaf/com/text_conversion.h"

namespace moonleaf_com {

namespace {

// Errors of the control's calls, in the range reserved for controls.
const HRESULT kControlError = CUSTOM_CTL_SCODE(1000);

constexpr struct {
    const char* name;
    DISPID id;
} kPropertyIds[] = {
    {"BottomBackColor", DISPID_MOONLEAF_BOTTOMBACKCOLOR},
    {"DateBackColor", DISPID_MOONLEAF_DATEBACKCOLOR},
    {"GridLinesColor", DISPID_MOONLEAF_GRIDLINESCOLOR},
    {"SelectColor", DISPID_MOONLEAF_SELECTCOLOR},
    {"ShowVerticalGrid", DISPID_MOONLEAF_SHOWVERTICALGRID},
    {"ShowHorizontalGrid", DISPID_MOONLEAF_SHOWHORIZONTALGRID},
    {"TitleBackColor", DISPID_MOONLEAF_TITLEBACKCOLOR},
    {"WeekBackColor", DISPID_MOONLEAF_WEEKBACKCOLOR},
    {"Value", DISPID_MOONLEAF_VALUE},
    {"Big", DISPID_MOONLEAF_BIG},
};

DISPID property_id(std::string_view name) {
    for (const auto& property : kPropertyIds)
        if (name == property.name) return property.id;
    return DISPID_UNKNOWN;
}

}  // namespace

HRESULT create_moonleaf_object(REFIID iid, void** object) {
    auto* created = new (std::nothrow) MoonleafObject();
    if (!created) return E_OUTOFMEMORY;
    const HRESULT hr = created->QueryInterface(iid, object);
    created->Release();
    return hr;
}

MoonleafObject::MoonleafObject()
    : click_point_(*this, moonleaf_ids::kEventsIid),
      property_notify_point_(*this, IID_IPropertyNotifySink),
      control_(*this, canvas_) {
    load_type_info(moonleaf_ids::kIid, type_info_);
    // Script hosts neither call InitNew nor load a bag, yet every property must hold its
    // default; a host that does either simply sets them again.
    (void)control_.init_new();
    dirty_ = false;
}

MoonleafObject::~MoonleafObject() {
    InPlaceDeactivate();
}

HRESULT MoonleafObject::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == moonleaf_ids::kIid)
        *object = static_cast<_Moonleaf*>(this);
    else if (iid == IID_IConnectionPointContainer)
        *object = static_cast<IConnectionPointContainer*>(this);
    else if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2)
        *object = static_cast<IProvideClassInfo2*>(this);
    else if (iid == IID_ISupportErrorInfo)
        *object = static_cast<ISupportErrorInfo*>(this);
    else if (iid == IID_IPersist || iid == IID_IPersistPropertyBag)
        *object = static_cast<IPersistPropertyBag*>(this);
    else if (iid == IID_IPersistStreamInit)
        *object = static_cast<IPersistStreamInit*>(this);
    else if (iid == IID_IOleObject)
        *object = static_cast<IOleObject*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject)
        *object = static_cast<IOleInPlaceObject*>(this);
    else if (iid == IID_IOleInPlaceActiveObject)
        *object = static_cast<IOleInPlaceActiveObject*>(this);
    else if (iid == IID_IViewObject || iid == IID_IViewObject2)
        *object = static_cast<IViewObject2*>(this);
    else if (iid == IID_IOleControl)
        *object = static_cast<IOleControl*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
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
    return ::DispGetIDsOfNames(type_info_.get(), names, count, ids);
}

HRESULT MoonleafObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters,
                               VARIANT* result, EXCEPINFO* exception, UINT* argument_error) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    if (!type_info_) return TYPE_E_CANTLOADLIBRARY;
    // A host's event handler may release us during the call.
    ComPtr<MoonleafObject> keep_alive(this);
    return type_info_->Invoke(static_cast<_Moonleaf*>(this), id, flags, parameters, result,
                              exception, argument_error);
}

HRESULT MoonleafObject::EnumConnectionPoints(IEnumConnectionPoints** points) {
    return enumerate_connection_points({&click_point_, &property_notify_point_}, points);
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

void MoonleafObject::property_changed(std::string_view name) {
    dirty_ = true;
    const DISPID id = property_id(name);
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
