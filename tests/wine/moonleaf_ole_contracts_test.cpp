// What a container may rely on: the COM and OLE contracts of the control, its keyboard and
// focus once UI-active, and its behaviour when the mouse or the system colours change under it.
#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>

#include <new>

#include "common/ole_date.h"
#include "common/win32/com_ptr.h"
#include "common/win32/dispatch_calls.h"
#include "moonleaf/com/exception_barrier.h"
#include "moonleaf/com/moonleaf_ids.h"
#include "tests/wine/control_host.h"
#include "tests/wine/moonleaf_calls.h"

namespace moonleaf_test {
namespace {

using namespace common::win32;

// The colour of one pixel of the control's picture.
COLORREF drawn_pixel(IUnknown* control, int x, int y) {
    auto view = ComPtr<IUnknown>(control).query<IViewObject2>(IID_IViewObject2);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateBitmap(290, 235, 1, 32, nullptr);
    HGDIOBJ original = ::SelectObject(dc, bitmap);
    const RECTL bounds{0, 0, 290, 235};
    view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0);
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::SelectObject(dc, original);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return pixel;
}

TEST(MoonleafContracts, EveryInterfaceComesFromOneIdentity) {
    ComPtr<IUnknown> control = create_moonleaf();
    const IID* interfaces[] = {&IID_IDispatch,
                               &moonleaf_ids::kIid,
                               &IID_IConnectionPointContainer,
                               &IID_IProvideClassInfo,
                               &IID_IProvideClassInfo2,
                               &IID_ISupportErrorInfo,
                               &IID_IPersist,
                               &IID_IPersistPropertyBag,
                               &IID_IPersistStreamInit,
                               &IID_IOleObject,
                               &IID_IOleWindow,
                               &IID_IOleInPlaceObject,
                               &IID_IOleInPlaceActiveObject,
                               &IID_IViewObject,
                               &IID_IViewObject2,
                               &IID_IOleControl};
    for (const IID* iid : interfaces) {
        ComPtr<IUnknown> asked;
        ASSERT_EQ(S_OK, control->QueryInterface(*iid, asked.put_void()));
        EXPECT_EQ(control.get(), asked.query<IUnknown>(IID_IUnknown).get());
    }
    void* none = &none;
    EXPECT_EQ(E_NOINTERFACE, control->QueryInterface(IID_IClassFactory, &none));
    EXPECT_EQ(nullptr, none);
}

TEST(MoonleafContracts, PropertyNotificationsNeedASinkThatTakesThem) {
    ComPtr<IUnknown> control = create_moonleaf();
    auto container = control.query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> notifications, events;
    ASSERT_EQ(S_OK, container->FindConnectionPoint(IID_IPropertyNotifySink, notifications.put()));
    ASSERT_EQ(S_OK, container->FindConnectionPoint(moonleaf_ids::kEventsIid, events.put()));
    ClickSink dispatch_only;
    DWORD cookie = 0;
    EXPECT_EQ(CONNECT_E_CANNOTCONNECT, notifications->Advise(&dispatch_only, &cookie));
    EXPECT_EQ(S_OK, events->Advise(&dispatch_only, &cookie));
    EXPECT_EQ(S_OK, events->Unadvise(cookie));
}

TEST(MoonleafContracts, VerbsAndAdviseEnumerationKeepTheirContracts) {
    ComPtr<IUnknown> control = create_moonleaf();
    auto object = control.query<IOleObject>(IID_IOleObject);
    ComPtr<IEnumSTATDATA> advises;
    const HRESULT listed = object->EnumAdvise(advises.put());
    EXPECT_TRUE(listed == OLE_E_NOCONNECTION || (listed == S_OK && advises)) << listed;

    ControlHost host;
    // A verb the control does not know is carried out as its primary verb.
    EXPECT_TRUE(SUCCEEDED(host.embed(L"" MOONLEAF_PROGID, 10, 10, 7)));
    EXPECT_NE(nullptr, host.control_window());
    auto embedded = ComPtr<IUnknown>(host.unknown()).query<IOleObject>(IID_IOleObject);
    RECT where{10, 10, 300, 245};
    EXPECT_EQ(E_NOTIMPL,
              embedded->DoVerb(-100, nullptr, host.site(), 0, host.frame_window(), &where));
}

TEST(MoonleafContracts, UiActivationTakesTheFocusAndTheKeysMoveTheDay) {
    ControlHost host;
    ASSERT_EQ(S_OK, host.embed(L"" MOONLEAF_PROGID, 10, 10, OLEIVERB_UIACTIVATE));
    const HWND window = host.control_window();
    EXPECT_EQ(window, ::GetFocus());
    EXPECT_EQ(1, host.ui_activations);
    EXPECT_TRUE(host.has_active_object);
    ASSERT_EQ(S_OK,
              put_property(host.control(), DISPID_MOONLEAF_VALUE, make_date(date(2020, 5, 23))));
    const std::pair<WPARAM, DATE> keys[] = {{VK_RIGHT, date(2020, 5, 24)},
                                            {VK_DOWN, date(2020, 5, 31)},
                                            {VK_NEXT, date(2020, 6, 30)},
                                            {VK_PRIOR, date(2020, 5, 30)}};
    for (const auto& [key, expected] : keys) {
        ::SendMessageW(window, WM_KEYDOWN, key, 0);
        EXPECT_EQ(expected, value_of(host.control())) << "key " << key;
    }
    EXPECT_EQ(DLGC_WANTARROWS, ::SendMessageW(window, WM_GETDLGCODE, 0, 0));
}

TEST(MoonleafContracts, ReleasedWhileActiveItLeavesTheSiteAlone) {
    ControlHost host;
    ASSERT_EQ(S_OK, host.embed(L"" MOONLEAF_PROGID, 10, 10, OLEIVERB_UIACTIVATE));
    host.drop();
    EXPECT_EQ(0, host.site_calls_after_drop);
}

TEST(MoonleafContracts, HeldArrowLetsGoWhenAnotherWindowTakesTheMouse) {
    ControlHost host;
    ASSERT_EQ(S_OK, host.embed(L"" MOONLEAF_PROGID, 10, 10));
    ClickSink sink;
    EventConnection connection(host.unknown(), moonleaf_ids::kEventsIid, &sink);
    ASSERT_EQ(S_OK,
              put_property(host.control(), DISPID_MOONLEAF_VALUE, make_date(date(2020, 9, 1))));
    const HWND window = host.control_window();
    const LPARAM month_up = MAKELPARAM(290 - 70 + 44, 3 + 10);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, month_up);
    ::SetCapture(host.frame_window());
    pump_for(350);
    ::ReleaseCapture();
    pump_for(500);
    EXPECT_EQ(date(2020, 10, 1), value_of(host.control()));  // the press's step, no more

    // The next press on a day is a click like any other (cell 12 of October 2020: day 9).
    const LPARAM day_9 = MAKELPARAM(5 * 41 + 20, 46 + 28 + 10);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, day_9);
    ::SendMessageW(window, WM_LBUTTONUP, 0, day_9);
    pump_messages();
    EXPECT_EQ(date(2020, 10, 9), value_of(host.control()));
    EXPECT_EQ(1, sink.clicks);
}

TEST(MoonleafContracts, SystemColourChangeRedrawsWithTheNewColours) {
    ControlHost host;
    ASSERT_EQ(S_OK, host.embed(L"" MOONLEAF_PROGID, 10, 10));
    ASSERT_EQ(S_OK, put_property(host.control(), DISPID_MOONLEAF_BOTTOMBACKCOLOR,
                                 make_i4(static_cast<LONG>(0x80000000 | COLOR_INFOBK))));
    const COLORREF before = ::GetSysColor(COLOR_INFOBK);
    EXPECT_EQ(before, drawn_pixel(host.unknown(), 100, 230));
    const INT element = COLOR_INFOBK;
    const COLORREF changed = before == RGB(1, 2, 3) ? RGB(4, 5, 6) : RGB(1, 2, 3);
    ASSERT_TRUE(::SetSysColors(1, &element, &changed));
    ::SendMessageW(host.control_window(), WM_SYSCOLORCHANGE, 0, 0);
    const COLORREF after = drawn_pixel(host.unknown(), 100, 230);
    ::SetSysColors(1, &element, &before);
    EXPECT_EQ(changed, after);
}

TEST(MoonleafContracts, OnlyThePartInsideTheClipRectangleShows) {
    ControlHost host;
    ASSERT_EQ(S_OK, host.embed(L"" MOONLEAF_PROGID, 10, 10));
    auto in_place =
        ComPtr<IUnknown>(host.unknown()).query<IOleInPlaceObject>(IID_IOleInPlaceObject);
    const RECT position{10, 10, 300, 245};
    const RECT left_part{0, 0, 110, 400};
    ASSERT_EQ(S_OK, in_place->SetObjectRects(&position, &left_part));
    RECT box{};
    EXPECT_EQ(SIMPLEREGION, ::GetWindowRgnBox(host.control_window(), &box));
    EXPECT_EQ(100, box.right);
    EXPECT_EQ(235, box.bottom);
    const RECT everything{0, 0, 1000, 1000};
    ASSERT_EQ(S_OK, in_place->SetObjectRects(&position, &everything));
    EXPECT_EQ(ERROR, ::GetWindowRgnBox(host.control_window(), &box));
}

TEST(MoonleafContracts, PropertiesAreBindable) {
    ComPtr<IUnknown> control = create_moonleaf();
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(S_OK, control.query<IDispatch>(IID_IDispatch)->GetTypeInfo(0, 0, info.put()));
    TYPEATTR* type = nullptr;
    ASSERT_EQ(S_OK, info->GetTypeAttr(&type));
    int accessors = 0;
    for (UINT i = 0; i < type->cFuncs; ++i) {
        FUNCDESC* function = nullptr;
        ASSERT_EQ(S_OK, info->GetFuncDesc(i, &function));
        if (function->invkind != INVOKE_FUNC &&
            function->memid >= DISPID_MOONLEAF_BOTTOMBACKCOLOR &&
            function->memid <= DISPID_MOONLEAF_BIG) {
            ++accessors;
            EXPECT_TRUE(function->wFuncFlags & FUNCFLAG_FBINDABLE) << function->memid;
        }
        info->ReleaseFuncDesc(function);
    }
    info->ReleaseTypeAttr(type);
    EXPECT_EQ(20, accessors);
}

TEST(MoonleafContracts, ExceptionsStopAtTheComBoundary) {
    EXPECT_EQ(E_OUTOFMEMORY, moonleaf_com::barrier([]() -> HRESULT { throw std::bad_alloc(); }));
    EXPECT_EQ(E_UNEXPECTED, moonleaf_com::barrier([]() -> HRESULT { throw 1; }));
    EXPECT_EQ(S_FALSE, moonleaf_com::barrier([] { return S_FALSE; }));
}

}  // namespace
}  // namespace moonleaf_test
