// The COM object of the Moonleaf control: the portable control behind `_Moonleaf`, its events,
// persistence and OLE embedding. Every decision is the portable control's; this class turns
// HRESULTs, VARIANTs and window messages into calls on it.
#pragma once

#include <ocidl.h>
#include <olectl.h>
#include <oleidl.h>
#include <windows.h>

#include <optional>
#include <string>

#include "common/win32/unique_handle.h"
#include "moonleaf/com/com_ptr.h"
#include "moonleaf/com/connection_point.h"
#include "moonleaf/com/gdi_canvas.h"
#include "moonleaf/com/module.h"
#include "moonleaf/control/moonleaf_control.h"
#include "moonleaf2_h.h"

namespace moonleaf_com {

using moonleaf::Colour;  // as the property table spells it

// The Automation type of each property type of the control.
template <class T>
struct ComTypeOf;
template <>
struct ComTypeOf<Colour> {
    using type = long;  // system colours such as 0x80000005 are negative here
};
template <>
struct ComTypeOf<bool> {
    using type = VARIANT_BOOL;
};
template <>
struct ComTypeOf<common::OleDate> {
    using type = DATE;
};
template <>
struct ComTypeOf<std::int16_t> {
    using type = short;
};
template <class T>
using ComType = typename ComTypeOf<T>::type;

// The class factory's create function.
HRESULT create_moonleaf_object(REFIID iid, void** object);

class MoonleafObject final : public _Moonleaf,
                             public IConnectionPointContainer,
                             public IProvideClassInfo2,
                             public ISupportErrorInfo,
                             public IPersistPropertyBag,
                             public IPersistStreamInit,
                             public IOleObject,
                             public IOleInPlaceObject,
                             public IOleInPlaceActiveObject,
                             public IViewObject2,
                             public IOleControl,
                             private moonleaf::ControlHost {
  public:
    MoonleafObject();
    ~MoonleafObject();
    MoonleafObject(const MoonleafObject&) = delete;
    MoonleafObject& operator=(const MoonleafObject&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch, through the type library
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument_error) override;

    // _Moonleaf (moonleaf_members.cpp): the accessors of every property of the table.
#define MOONLEAF_COM_ACCESSORS(name, id, type, fallback, redraw)         \
    HRESULT STDMETHODCALLTYPE get_##name(ComType<type>* value) override; \
    HRESULT STDMETHODCALLTYPE put_##name(ComType<type> value) override;
    MOONLEAF_PROPERTIES(MOONLEAF_COM_ACCESSORS)
#undef MOONLEAF_COM_ACCESSORS
    HRESULT STDMETHODCALLTYPE GetChineseDate(DATE theDate, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE GetChineseYear(DATE theDate, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE GetChineseMonth(DATE theDate, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE GetChineseDay(DATE theDate, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE GetChineseAnimal(DATE theDate, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE GetConstellation(DATE theDate, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE IsWorkday(DATE theDate, VARIANT_BOOL* workday) override;
    HRESULT STDMETHODCALLTYPE GetHolidayName(DATE theDate, BSTR* name) override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // IProvideClassInfo2
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) override;

    // ISupportErrorInfo
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

    // IPersist, IPersistPropertyBag, IPersistStreamInit (persistence.cpp)
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE InitNew() override;
    HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override;
    HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clear_dirty, BOOL save_all) override;
    HRESULT STDMETHODCALLTYPE IsDirty() override;
    HRESULT STDMETHODCALLTYPE Load(IStream* stream) override;
    HRESULT STDMETHODCALLTYPE Save(IStream* stream, BOOL clear_dirty) override;
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;

    // IOleObject (ole_object.cpp)
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Close(DWORD save_option) override;
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, MSG* message, IOleClientSite* site, LONG index,
                                     HWND parent, LPCRECT position) override;
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) override;
    HRESULT STDMETHODCALLTYPE Update() override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE IsUpToDate() override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* name) override;
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** advises) override;
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override {
        return E_NOTIMPL;
    }

    // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject (ole_object.cpp)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE UIDeactivate() override;
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) override;
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override {
        return INPLACE_E_NOTUNDOABLE;
    }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) override {
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override {
        return S_OK;
    }

    // IViewObject2 (ole_object.cpp)
    HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG index, void* aspect_info,
                                   DVTARGETDEVICE* device, HDC target_info, HDC dc, LPCRECTL bounds,
                                   LPCRECTL window_bounds,
                                   BOOL(STDMETHODCALLTYPE* keep_going)(ULONG_PTR),
                                   ULONG_PTR argument) override;
    HRESULT STDMETHODCALLTYPE GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                          LOGPALETTE**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Freeze(DWORD, LONG, void*, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Unfreeze(DWORD) override {
        return OLE_E_NOCONNECTION;
    }
    HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device,
                                        SIZEL* size) override;

    // IOleControl
    HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
    HRESULT STDMETHODCALLTYPE OnMnemonic(MSG*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;

    // The control's window procedure hands its messages here (control_window.cpp).
    LRESULT handle_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  private:
    // moonleaf::ControlHost
    void property_changed(moonleaf::PropertyId id) override;
    void raise_click() override;
    common::OleDate now() const override;
    void set_spin_timer(bool running) override;
    void show_drop_down(moonleaf::SelectorList list) override;
    void list_selection_changed(moonleaf::SelectorList list, int index) override;

    // A failed call of the control: its message becomes the caller's error information.
    HRESULT failed(const std::string& message);
    HRESULT outcome(const moonleaf::Status& status);
    HRESULT text_outcome(const moonleaf::Result<std::string>& result, BSTR* text);
    HRESULT load_from(moonleaf::PropertyBag& bag);

    HRESULT activate_in_place(IOleClientSite* site, HWND parent, const RECT* position);
    // Takes the focus and becomes the frame's active object, so that keys reach the control.
    HRESULT activate_ui();
    // Closes the window without a word to the site (the destructor's part of deactivation).
    void destroy_window();
    HRESULT create_window(HWND parent, const RECT& position);
    void place_windows();
    // Draws, sizes and places everything at a new DPI of the window (or, before there is a
    // window, of the screen). False when the DPI is the one already in use.
    bool apply_dpi(int dpi);
    moonleaf::Point logical_point(LPARAM lparam) const;
    SIZEL extent_himetric() const;
    void apply_size(SIZE requested_pixels);

    ULONG references_ = 1;
    ObjectCount counted_;
    ComPtr<ITypeInfo> type_info_;
    ConnectionPoint click_point_;
    ConnectionPoint property_notify_point_;
    GdiCanvas canvas_;
    moonleaf::MoonleafControl control_;
    bool dirty_ = false;
    int events_frozen_ = 0;

    ComPtr<IOleClientSite> client_site_;
    ComPtr<IOleInPlaceSite> in_place_site_;
    ComPtr<IOleInPlaceFrame> ui_frame_;  // set while UI-active
    ComPtr<IOleInPlaceUIWindow> ui_document_;
    bool ui_active_ = false;
    ComPtr<IOleAdviseHolder> advise_holder_;
    ComPtr<IAdviseSink> view_sink_;
    DWORD view_advise_flags_ = 0;
    common::win32::UniqueWindow window_;
    common::win32::UniqueWindow year_combo_;
    common::win32::UniqueWindow month_combo_;
};

}  // namespace moonleaf_com
