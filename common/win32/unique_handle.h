// Move-only owners of Win32 handles and GDI objects, one line per handle type, and guards for
// the calls that must be paired (SelectObject restore, BeginPaint/EndPaint).
#pragma once

#include <windows.h>

#include <utility>

namespace common::win32 {

template <typename Handle, auto close>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) close(handle_);
        handle_ = handle;
    }
    // For APIs that return the handle through an out parameter.
    Handle* put() {
        reset();
        return &handle_;
    }

  private:
    Handle handle_{};
};

namespace close_fn {
inline void gdi_object(HGDIOBJ object) {
    ::DeleteObject(object);
}
inline void dc(HDC dc) {
    ::DeleteDC(dc);
}
inline void hkey(HKEY key) {
    ::RegCloseKey(key);
}
inline void window(HWND window) {
    ::DestroyWindow(window);
}
inline void kernel_object(HANDLE handle) {
    ::CloseHandle(handle);
}
inline void menu(HMENU menu) {
    ::DestroyMenu(menu);
}
inline void icon(HICON icon) {
    ::DestroyIcon(icon);
}
inline void find(HANDLE search) {
    ::FindClose(search);
}
inline void wave_out(HWAVEOUT device) {
    ::waveOutClose(device);
}
inline void mci_device(MCIDEVICEID device) {
    ::mciSendCommandW(device, MCI_CLOSE, 0, 0);
}
}  // namespace close_fn

using UniqueBrush = UniqueHandle<HBRUSH, close_fn::gdi_object>;
using UniquePen = UniqueHandle<HPEN, close_fn::gdi_object>;
using UniqueFont = UniqueHandle<HFONT, close_fn::gdi_object>;
using UniqueBitmap = UniqueHandle<HBITMAP, close_fn::gdi_object>;
using UniqueRegion = UniqueHandle<HRGN, close_fn::gdi_object>;
using UniqueDc = UniqueHandle<HDC, close_fn::dc>;
using UniqueHkey = UniqueHandle<HKEY, close_fn::hkey>;
using UniqueWindow = UniqueHandle<HWND, close_fn::window>;
using UniqueMenu = UniqueHandle<HMENU, close_fn::menu>;
using UniqueIcon = UniqueHandle<HICON, close_fn::icon>;
// Process tokens, mutexes, events: what CloseHandle closes.
using UniqueKernelHandle = UniqueHandle<HANDLE, close_fn::kernel_object>;
// FindFirstFileExW searches; it answers INVALID_HANDLE_VALUE for none, which is never stored.
using UniqueFind = UniqueHandle<HANDLE, close_fn::find>;
using UniqueWaveOut = UniqueHandle<HWAVEOUT, close_fn::wave_out>;
using UniqueMciDevice = UniqueHandle<MCIDEVICEID, close_fn::mci_device>;

// Selects a GDI object into a device context for the lifetime of the guard.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_) ::SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint/EndPaint around the handling of one WM_PAINT.
class PaintGuard {
  public:
    explicit PaintGuard(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
    ~PaintGuard() { ::EndPaint(window_, &paint_); }
    PaintGuard(const PaintGuard&) = delete;
    PaintGuard& operator=(const PaintGuard&) = delete;

    HDC dc() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// GetDC/ReleaseDC.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace common::win32
