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

// `Click` is the only event and has no arguments.
ClickSink::ClickSink()
    : EventSink(moonleaf_ids::kEventsIid, [this](DISPID id, const DISPPARAMS& arguments) {
          if (id == DISPID_MOONLEAF_CLICK && arguments.cArgs == 0) ++clicks;
      }) {}

ControlHost::ControlHost() : frame_(create_frame()) {}

HRESULT ControlHost::embed(const wchar_t* progid, int left, int top, LONG verb) {
    HRESULT hr = site_.create(progid);
    if (FAILED(hr)) return hr;
    const SIZE size = site_.natural_size();
    if (size.cx <= 0 || size.cy <= 0) return E_FAIL;
    return site_.activate(frame_.get(), {left, top, left + size.cx, top + size.cy}, verb);
}

void ControlHost::drop() {
    dropped_ = true;
    site_.drop();
}

void ControlHost::active_object_set(IOleInPlaceActiveObject* active) {
    has_active_object = active != nullptr;
    note_call();
}

void pump_messages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

void pump_for(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    do {
        pump_messages();
        ::Sleep(5);
    } while (::GetTickCount() - start < milliseconds);
}

}  // namespace moonleaf_test
