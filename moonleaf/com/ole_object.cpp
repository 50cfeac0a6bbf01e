// OLE embedding: the container places the control (IOleObject), activates it in place in its
// window (IOleInPlaceObject, IOleInPlaceActiveObject) and may ask for a picture (IViewObject2).
#include "moonleaf/com/exception_barrier.h"
#include "moonleaf/com/moonleaf_object.h"

namespace moonleaf_com {

namespace {

constexpr DWORD kMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE |
                              OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
                              OLEMISC_SETCLIENTSITEFIRST;

// HIMETRIC (0.01 mm) and device pixels at the screen's resolution, the one the container
// converts with.
int pixels_per_inch(int axis) {
    common::win32::WindowDc screen(nullptr);
    return ::GetDeviceCaps(screen.get(), axis);
}
LONG himetric_from_pixels(int pixels, int axis) {
    return ::MulDiv(pixels, 2540, pixels_per_inch(axis));
}
int pixels_from_himetric(LONG himetric, int axis) {
    return ::MulDiv(himetric, pixels_per_inch(axis), 2540);
}

}  // namespace

HRESULT MoonleafObject::SetClientSite(IOleClientSite* site) {
    client_site_ = ComPtr<IOleClientSite>(site);
    return S_OK;
}

HRESULT MoonleafObject::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    *site = ComPtr<IOleClientSite>(client_site_).detach();
    return S_OK;
}

HRESULT MoonleafObject::Close(DWORD save_option) {
    if (save_option == OLECLOSE_SAVEIFDIRTY && dirty_ && client_site_) client_site_->SaveObject();
    InPlaceDeactivate();
    if (advise_holder_) advise_holder_->SendOnClose();
    return S_OK;
}

HRESULT MoonleafObject::DoVerb(LONG verb, MSG*, IOleClientSite* site, LONG, HWND parent,
                               LPCRECT position) {
    return barrier([&]() -> HRESULT {
        IOleClientSite* const target = site ? site : client_site_.get();
        switch (verb) {
            case OLEIVERB_PRIMARY:
            case OLEIVERB_SHOW:
            case OLEIVERB_INPLACEACTIVATE:
                return activate_in_place(target, parent, position);
            case OLEIVERB_UIACTIVATE: {
                const HRESULT hr = activate_in_place(target, parent, position);
                return FAILED(hr) ? hr : activate_ui();
            }
            case OLEIVERB_HIDE:
                UIDeactivate();
                if (window_) ::ShowWindow(window_.get(), SW_HIDE);
                return S_OK;
            default: {
                // A verb of our own we do not know is carried out as the primary one; the
                // negative verbs are the system's, and those we do not name we do not do.
                if (verb < 0) return E_NOTIMPL;
                const HRESULT hr = activate_in_place(target, parent, position);
                return FAILED(hr) ? hr : OLEOBJ_S_INVALIDVERB;
            }
        }
    });
}

HRESULT MoonleafObject::activate_ui() {
    if (!window_ || !in_place_site_) return E_UNEXPECTED;
    if (!ui_active_) {
        ui_active_ = true;
        in_place_site_->OnUIActivate();
        RECT position{}, clip{};
        OLEINPLACEFRAMEINFO frame_info{};
        frame_info.cb = sizeof(frame_info);
        in_place_site_->GetWindowContext(ui_frame_.put(), ui_document_.put(), &position, &clip,
                                         &frame_info);
        auto* active = static_cast<IOleInPlaceActiveObject*>(this);
        if (ui_frame_) {
            ui_frame_->SetActiveObject(active, L"Moonleaf");
            ui_frame_->SetBorderSpace(nullptr);
        }
        if (ui_document_) {
            ui_document_->SetActiveObject(active, L"Moonleaf");
            ui_document_->SetBorderSpace(nullptr);
        }
    }
    if (::GetFocus() != window_.get()) ::SetFocus(window_.get());
    return S_OK;
}

HRESULT MoonleafObject::UIDeactivate() {
    if (!ui_active_) return S_OK;
    ui_active_ = false;
    if (auto document = std::move(ui_document_)) document->SetActiveObject(nullptr, nullptr);
    if (auto frame = std::move(ui_frame_)) frame->SetActiveObject(nullptr, nullptr);
    if (in_place_site_) in_place_site_->OnUIDeactivate(FALSE);
    return S_OK;
}

HRESULT MoonleafObject::activate_in_place(IOleClientSite* site, HWND parent, const RECT* position) {
    if (window_) {
        ::ShowWindow(window_.get(), SW_SHOW);
        return S_OK;
    }
    if (!site) return E_INVALIDARG;
    ComPtr<IOleInPlaceSite> in_place;
    if (FAILED(site->QueryInterface(IID_IOleInPlaceSite, in_place.put_void())))
        return E_NOINTERFACE;
    if (in_place->CanInPlaceActivate() != S_OK) return E_FAIL;
    in_place->OnInPlaceActivate();

    ComPtr<IOleInPlaceFrame> frame;
    ComPtr<IOleInPlaceUIWindow> document;
    RECT site_position{}, clip{};
    OLEINPLACEFRAMEINFO frame_info{};
    frame_info.cb = sizeof(frame_info);
    in_place->GetWindowContext(frame.put(), document.put(), &site_position, &clip, &frame_info);
    HWND site_window = parent;
    if (FAILED(in_place->GetWindow(&site_window)) || !site_window) site_window = parent;
    const RECT& where = position ? *position : site_position;

    const HRESULT hr = create_window(site_window, where);
    if (FAILED(hr)) {
        in_place->OnInPlaceDeactivate();
        return hr;
    }
    in_place_site_ = in_place;
    site->ShowObject();
    return S_OK;
}

HRESULT MoonleafObject::InPlaceDeactivate() {
    if (!window_) return S_OK;
    UIDeactivate();
    destroy_window();
    if (auto site = std::move(in_place_site_)) site->OnInPlaceDeactivate();
    return S_OK;
}

void MoonleafObject::destroy_window() {
    if (!window_) return;
    ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
    ::KillTimer(window_.get(), 1);
    year_combo_.release();  // destroyed with their parent
    month_combo_.release();
    canvas_.set_window(nullptr);
    window_.reset();
}

HRESULT MoonleafObject::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = window_.get();
    return window_ ? S_OK : E_FAIL;
}

HRESULT MoonleafObject::SetObjectRects(LPCRECT position, LPCRECT clip) {
    if (!position) return E_POINTER;
    return barrier([&] {
        const DpiScale& scale = canvas_.scale();
        apply_size({scale.to_logical(static_cast<int>(position->right - position->left)),
                    scale.to_logical(static_cast<int>(position->bottom - position->top))});
        if (!window_) return S_OK;
        const int width = scale.to_device(control_.width());
        const int height = scale.to_device(control_.height());
        ::SetWindowPos(window_.get(), nullptr, position->left, position->top, width, height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        // Only the part inside the clip rectangle may show (the container scrolled or covers
        // the rest); a clip around the whole control needs no region.
        const RECT whole{position->left, position->top, position->left + width,
                         position->top + height};
        RECT visible{};
        if (!clip || (::IntersectRect(&visible, &whole, clip) && ::EqualRect(&visible, &whole))) {
            ::SetWindowRgn(window_.get(), nullptr, TRUE);
            return S_OK;
        }
        ::OffsetRect(&visible, -whole.left, -whole.top);
        common::win32::UniqueRegion region(::CreateRectRgnIndirect(&visible));
        // The window owns the region once it is set.
        if (region && ::SetWindowRgn(window_.get(), region.get(), TRUE)) region.release();
        return S_OK;
    });
}

// `requested` is in logical pixels.
void MoonleafObject::apply_size(SIZE requested) {
    const int width = moonleaf::resized_width(requested.cx);
    if (width != control_.width()) canvas_.set_control_width(width);
    control_.resize({static_cast<int>(requested.cx), static_cast<int>(requested.cy)});
    place_windows();
}

// The control's size in device pixels at its DPI, so that a container that converts the
// extent at the screen's resolution gives the control as much room as it draws on.
SIZEL MoonleafObject::extent_himetric() const {
    const DpiScale& scale = canvas_.scale();
    return {himetric_from_pixels(scale.to_device(control_.width()), LOGPIXELSX),
            himetric_from_pixels(scale.to_device(control_.height()), LOGPIXELSY)};
}

HRESULT MoonleafObject::SetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    return barrier([&] {
        const DpiScale& scale = canvas_.scale();
        apply_size({scale.to_logical(pixels_from_himetric(size->cx, LOGPIXELSX)),
                    scale.to_logical(pixels_from_himetric(size->cy, LOGPIXELSY))});
        if (window_)
            ::SetWindowPos(window_.get(), nullptr, 0, 0, scale.to_device(control_.width()),
                           scale.to_device(control_.height()),
                           SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        return S_OK;
    });
}

HRESULT MoonleafObject::GetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    *size = extent_himetric();
    return S_OK;
}

HRESULT MoonleafObject::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, SIZEL* size) {
    return GetExtent(aspect, size);
}

HRESULT MoonleafObject::EnumVerbs(IEnumOLEVERB** verbs) {
    if (!verbs) return E_POINTER;
    *verbs = nullptr;
    return OLE_S_USEREG;
}

HRESULT MoonleafObject::GetUserClassID(CLSID* clsid) {
    return GetClassID(clsid);
}

HRESULT MoonleafObject::GetUserType(DWORD, LPOLESTR* name) {
    if (!name) return E_POINTER;
    *name = nullptr;
    return OLE_S_USEREG;
}

HRESULT MoonleafObject::Advise(IAdviseSink* sink, DWORD* connection) {
    if (!advise_holder_) {
        const HRESULT hr = ::CreateOleAdviseHolder(advise_holder_.put());
        if (FAILED(hr)) return hr;
    }
    return advise_holder_->Advise(sink, connection);
}

HRESULT MoonleafObject::Unadvise(DWORD connection) {
    return advise_holder_ ? advise_holder_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

HRESULT MoonleafObject::EnumAdvise(IEnumSTATDATA** advises) {
    if (!advises) return E_POINTER;
    *advises = nullptr;
    return advise_holder_ ? advise_holder_->EnumAdvise(advises) : OLE_E_NOCONNECTION;
}

HRESULT MoonleafObject::GetMiscStatus(DWORD, DWORD* status) {
    if (!status) return E_POINTER;
    *status = kMiscStatus;
    return S_OK;
}

HRESULT MoonleafObject::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc,
                             LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                             ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!dc) return E_INVALIDARG;
    const DpiScale& scale = canvas_.scale();
    RECT area{0, 0, scale.to_device(control_.width()), scale.to_device(control_.height())};
    if (bounds) area = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    return barrier([&] {
        canvas_.compose(dc, area);
        return S_OK;
    });
}

HRESULT MoonleafObject::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
    if (!(aspects & DVASPECT_CONTENT)) return DV_E_DVASPECT;
    view_sink_ = ComPtr<IAdviseSink>(sink);
    view_advise_flags_ = flags;
    return S_OK;
}

HRESULT MoonleafObject::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects) *aspects = DVASPECT_CONTENT;
    if (flags) *flags = view_advise_flags_;
    if (sink) *sink = ComPtr<IAdviseSink>(view_sink_).detach();
    return S_OK;
}

}  // namespace moonleaf_com
