#include "tests/wine/control_host.h"

#include "moonleaf/com/moonleaf_ids.h"

namespace moonleaf_test {

namespace {
constexpr wchar_t kFrameClass[] = L"MoonleafTestFrame";

HWND create_frame() {
    static const ATOM atom = [] {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = ::DefWindowProcW;
        window_class.hInstance = ::GetModuleHandleW(nullptr);
        window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        window_class.lpszClassName = kFrameClass;
        return ::RegisterClassW(&window_class);
    }();
    if (!atom) return nullptr;
    return ::CreateWindowExW(0, kFrameClass, L"Moonleaf test host",
                             WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 340, 280, nullptr,
                             nullptr, ::GetModuleHandleW(nullptr), nullptr);
}
}  // namespace

HRESULT ClickSink::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == moonleaf_ids::kEventsIid) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT ClickSink::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT ClickSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*,
                          EXCEPINFO*, UINT*) {
    // `Click` is the only event and has no arguments.
    if (id == DISPID_MOONLEAF_CLICK && parameters && parameters->cArgs == 0) ++clicks;
    return S_OK;
}

ControlHost::ControlHost() : frame_(create_frame()) {}

ControlHost::~ControlHost() {
    close();
    if (frame_) ::DestroyWindow(frame_);
}

HRESULT ControlHost::embed(const wchar_t* progid, int left, int top, LONG verb) {
    CLSID clsid{};
    HRESULT hr = ::CLSIDFromProgID(progid, &clsid);
    if (FAILED(hr)) return hr;
    hr =
        ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, unknown_.put_void());
    if (FAILED(hr)) return hr;
    auto object = unknown_.query<IOleObject>(IID_IOleObject);
    auto persist = unknown_.query<IPersistStreamInit>(IID_IPersistStreamInit);
    dispatch_ = unknown_.query<IDispatch>(IID_IDispatch);
    if (!object || !persist || !dispatch_) return E_NOINTERFACE;
    hr = object->SetClientSite(this);
    if (FAILED(hr)) return hr;
    hr = persist->InitNew();
    if (FAILED(hr)) return hr;
    SIZEL himetric{};
    hr = object->GetExtent(DVASPECT_CONTENT, &himetric);
    if (FAILED(hr)) return hr;
    // HIMETRIC to pixels at 96 dots per inch.
    position_ = {left, top, left + MulDiv(himetric.cx, 96, 2540),
                 top + MulDiv(himetric.cy, 96, 2540)};
    return object->DoVerb(verb, nullptr, this, 0, frame_, &position_);
}

void ControlHost::drop() {
    dropped = true;
    dispatch_.reset();
    unknown_.reset();
}

void ControlHost::close() {
    if (auto object = unknown_.query<IOleObject>(IID_IOleObject)) {
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
    }
    dispatch_.reset();
    unknown_.reset();
}

HWND ControlHost::control_window() const {
    HWND window = nullptr;
    if (auto in_place = unknown_.query<IOleInPlaceObject>(IID_IOleInPlaceObject))
        in_place->GetWindow(&window);
    return window;
}

HRESULT ControlHost::QueryInterface(REFIID iid, void** object) {
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

HRESULT ControlHost::GetContainer(IOleContainer** container) {
    *container = nullptr;
    return E_NOINTERFACE;
}

HRESULT ControlHost::GetWindow(HWND* window) {
    *window = frame_;
    return S_OK;
}

HRESULT ControlHost::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                      RECT* position, RECT* clip, OLEINPLACEFRAMEINFO* info) {
    *frame = this;
    *document = nullptr;
    *position = position_;
    ::GetClientRect(frame_, clip);
    info->fMDIApp = FALSE;
    info->hwndFrame = frame_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

EventConnection::EventConnection(IUnknown* control, REFIID events, IDispatch* sink) {
    ComPtr<IConnectionPointContainer> container;
    if (FAILED(control->QueryInterface(IID_IConnectionPointContainer, container.put_void())))
        return;
    if (FAILED(container->FindConnectionPoint(events, point_.put()))) return;
    if (FAILED(point_->Advise(sink, &cookie_))) cookie_ = 0;
}

EventConnection::~EventConnection() {
    if (cookie_) point_->Unadvise(cookie_);
}

void pump_messages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

}  // namespace moonleaf_test
