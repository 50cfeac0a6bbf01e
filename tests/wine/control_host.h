// A minimal control container for the tests: a window, one site that in-place activates the
// control in it, and a sink that counts `Click` events.
#pragma once

#include <ocidl.h>
#include <oleidl.h>
#include <windows.h>

#include "moonleaf/com/com_ptr.h"

namespace moonleaf_test {

using moonleaf_com::ComPtr;

// Receives the control's events through its connection point.
class ClickSink final : public IDispatch {
  public:
    int clicks = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }  // lives on the stack
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO*, UINT*) override;

  private:
    ULONG references_ = 1;
};

// Places one control in a window of its own and activates it in place.
class ControlHost final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
  public:
    ControlHost();
    ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    // Creates the control by ProgID, initialises it as new and carries out `verb` (in-place
    // activation by default) at (left, top).
    HRESULT embed(const wchar_t* progid, int left, int top, LONG verb = OLEIVERB_INPLACEACTIVATE);
    // Releases the control (deactivating it first), as a closing form does.
    void close();
    // Lets go of the control without deactivating it, as a careless container does.
    void drop();

    // What the control told its site.
    int ui_activations = 0;
    int site_calls_after_drop = 0;
    bool dropped = false;
    IOleInPlaceActiveObject* active_object = nullptr;

    HWND frame_window() const { return frame_; }
    HWND control_window() const;
    IDispatch* control() const { return dispatch_.get(); }
    IUnknown* unknown() const { return unknown_.get(); }

    // IUnknown (the host lives as long as the test that made it)
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override {
        ++ui_activations;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                               IOleInPlaceUIWindow** document, RECT* position,
                                               RECT* clip, OLEINPLACEFRAMEINFO* info) override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return noted_call(); }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return noted_call(); }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(const RECT*) override { return S_OK; }

    // IOleInPlaceUIWindow / IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE GetBorder(RECT*) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(const BORDERWIDTHS*) override {
        return INPLACE_E_NOTOOLSPACE;
    }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(const BORDERWIDTHS*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override {
        active_object = object;  // not kept: only compared
        return noted_call();
    }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, WORD) override { return S_FALSE; }

  private:
    HRESULT noted_call() {
        if (dropped) ++site_calls_after_drop;
        return S_OK;
    }

    HWND frame_ = nullptr;
    RECT position_{};
    ComPtr<IUnknown> unknown_;
    ComPtr<IDispatch> dispatch_;
};

// Subscribes a sink to the control's default source interface for the sink's lifetime.
class EventConnection {
  public:
    EventConnection(IUnknown* control, REFIID events, IDispatch* sink);
    ~EventConnection();
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;
    bool connected() const { return cookie_ != 0; }

  private:
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

// Runs the message loop until nothing is left to do.
void pump_messages();

}  // namespace moonleaf_test
