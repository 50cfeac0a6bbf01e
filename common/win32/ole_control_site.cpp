#include "common/win32/ole_control_site.h"

#include "common/win32/unique_handle.h"

namespace common::win32 {

OleControlSite::~OleControlSite() {
    close();
}

HRESULT OleControlSite::create(const wchar_t* progid) {
    close();
    CLSID clsid{};
    HRESULT hr = ::CLSIDFromProgID(progid, &clsid);
    if (FAILED(hr)) return hr;
    hr =
        ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, unknown_.put_void());
    if (FAILED(hr)) return hr;
    auto object = unknown_.query<IOleObject>(IID_IOleObject);
    auto persist = unknown_.query<IPersistStreamInit>(IID_IPersistStreamInit);
    dispatch_ = unknown_.query<IDispatch>(IID_IDispatch);
    if (!object || !persist || !dispatch_) hr = E_NOINTERFACE;
    if (SUCCEEDED(hr)) hr = object->SetClientSite(this);
    if (SUCCEEDED(hr)) hr = persist->InitNew();
    if (FAILED(hr)) close();
    return hr;
}

HRESULT OleControlSite::activate(HWND parent, const RECT& place, LONG verb) {
    auto object = unknown_.query<IOleObject>(IID_IOleObject);
    if (!object) return E_UNEXPECTED;
    parent_ = parent;
    place_ = place;
    return object->DoVerb(verb, nullptr, this, 0, parent_, &place_);
}

void OleControlSite::move(const RECT& place) {
    place_ = place;
    auto in_place = unknown_.query<IOleInPlaceObject>(IID_IOleInPlaceObject);
    if (!in_place) return;
    RECT clip{};
    ::GetClientRect(parent_, &clip);
    in_place->SetObjectRects(&place_, &clip);
}

void OleControlSite::set_visible(bool visible) {
    if (const HWND control = window()) ::ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

void OleControlSite::close() {
    if (auto object = unknown_.query<IOleObject>(IID_IOleObject)) {
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
    }
    dispatch_.reset();
    unknown_.reset();
    parent_ = nullptr;
}

void OleControlSite::drop() {
    dispatch_.reset();
    unknown_.reset();
}

HWND OleControlSite::window() const {
    HWND control = nullptr;
    if (auto in_place = unknown_.query<IOleInPlaceObject>(IID_IOleInPlaceObject))
        in_place->GetWindow(&control);
    return control;
}

SIZE OleControlSite::natural_size() const {
    SIZEL himetric{};
    auto object = unknown_.query<IOleObject>(IID_IOleObject);
    if (!object || FAILED(object->GetExtent(DVASPECT_CONTENT, &himetric))) return {0, 0};
    // The control measures its extent at the screen's resolution, so the host converts back
    // at the same one.
    WindowDc screen(nullptr);
    return {::MulDiv(himetric.cx, ::GetDeviceCaps(screen.get(), LOGPIXELSX), 2540),
            ::MulDiv(himetric.cy, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 2540)};
}

HRESULT OleControlSite::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
        *object = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
        *object = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
        *object = static_cast<IOleInPlaceFrame*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    return S_OK;
}

HRESULT OleControlSite::GetContainer(IOleContainer** container) {
    if (!container) return E_POINTER;
    *container = nullptr;
    return E_NOINTERFACE;
}

HRESULT OleControlSite::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = parent_;
    return parent_ ? S_OK : E_FAIL;
}

HRESULT OleControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                         RECT* position, RECT* clip, OLEINPLACEFRAMEINFO* info) {
    if (!frame || !document || !position || !clip || !info) return E_POINTER;
    *frame = this;
    *document = nullptr;
    *position = place_;
    ::GetClientRect(parent_, clip);
    info->fMDIApp = FALSE;
    info->hwndFrame = ::GetAncestor(parent_, GA_ROOT);
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

HRESULT OleControlSite::OnUIActivate() {
    if (observer_) observer_->ui_activated();
    return S_OK;
}

HRESULT OleControlSite::OnUIDeactivate(BOOL) {
    if (observer_) observer_->ui_deactivated();
    return S_OK;
}

HRESULT OleControlSite::OnInPlaceDeactivate() {
    if (observer_) observer_->in_place_deactivated();
    return S_OK;
}

HRESULT OleControlSite::SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR) {
    if (observer_) observer_->active_object_set(active);
    return S_OK;
}

HRESULT OleControlSite::OnPosRectChange(const RECT* place) {
    if (!place) return E_POINTER;
    move(*place);
    return S_OK;
}

}  // namespace common::win32
