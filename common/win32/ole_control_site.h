// The container side of one ActiveX control placed in a window: the client site, in-place site
// and frame a form gives each control it holds, in one object.
#pragma once

#include <ocidl.h>
#include <oleidl.h>
#include <windows.h>

#include "common/win32/com_ptr.h"

namespace common::win32 {

// The site lives as long as its owner, not by its reference count: close() (or the destructor)
// takes the site back from the control, so the control never holds it longer.
class OleControlSite final : public IOleClientSite,
                             public IOleInPlaceSite,
                             public IOleInPlaceFrame {
  public:
    // Hears how the control's activation changes, as the control tells its site; the site
    // answers the control the same with or without one.
    class Observer {
      public:
        virtual void ui_activated() {}
        virtual void ui_deactivated() {}
        virtual void in_place_deactivated() {}
        // The control's active object, or null when it gives the frame back.
        virtual void active_object_set(IOleInPlaceActiveObject* /*active*/) {}

      protected:
        ~Observer() = default;
    };

    // The observer, when there is one, outlives the site.
    explicit OleControlSite(Observer* observer = nullptr) : observer_(observer) {}
    ~OleControlSite();
    OleControlSite(const OleControlSite&) = delete;
    OleControlSite& operator=(const OleControlSite&) = delete;

    // Creates the control by ProgID (the application manifest first, then the registry) and
    // initialises it as new. COM must be initialised on this thread.
    HRESULT create(const wchar_t* progid);
    // Carries out `verb` (in-place activation unless told otherwise) on the created control in
    // `parent` at `place` (client coordinates).
    HRESULT activate(HWND parent, const RECT& place, LONG verb = OLEIVERB_INPLACEACTIVATE);
    void move(const RECT& place);
    void set_visible(bool visible);
    // Deactivates and releases the control, as a closing form does.
    void close();
    // Lets go of the control without deactivating it or taking the site back, as a careless
    // container does. The site must outlive the control's last reference.
    void drop();

    IUnknown* unknown() const { return unknown_.get(); }
    IDispatch* dispatch() const { return dispatch_.get(); }
    // The control's own window while it is active in place.
    HWND window() const;
    // The size the control asks for, in pixels of the screen.
    SIZE natural_size() const;

    // IUnknown
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
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return parent_ ? S_OK : S_FALSE; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override;
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                               IOleInPlaceUIWindow** document, RECT* position,
                                               RECT* clip, OLEINPLACEFRAMEINFO* info) override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override;
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(const RECT* place) override;

    // IOleInPlaceUIWindow / IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE GetBorder(RECT*) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(const BORDERWIDTHS*) override {
        return INPLACE_E_NOTOOLSPACE;
    }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(const BORDERWIDTHS*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR) override;
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, WORD) override { return S_FALSE; }

  private:
    Observer* observer_;
    HWND parent_ = nullptr;
    RECT place_{};
    ComPtr<IUnknown> unknown_;
    ComPtr<IDispatch> dispatch_;
};

}  // namespace common::win32
