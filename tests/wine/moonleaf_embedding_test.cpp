// The control in a container: in-place activation, `Click` through a connection point, and
// saving and loading through a property bag and a stream.
#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>

#include <utility>
#include <vector>

#include "common/ole_date.h"
#include "common/win32/com_ptr.h"
#include "common/win32/dispatch_calls.h"
#include "moonleaf/com/moonleaf_ids.h"
#include "tests/wine/control_host.h"
#include "tests/wine/memory_property_bag.h"
#include "tests/wine/moonleaf_calls.h"

namespace moonleaf_test {
namespace {

using namespace common::win32;

void press_and_release(HWND window, int x, int y) {
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    pump_messages();
}

TEST(MoonleafEmbedding, PressAndReleaseOnADayCellRaisesClickOnce) {
    ControlHost host;
    ASSERT_EQ(S_OK, host.embed(L"" MOONLEAF_PROGID, 10, 10));
    const HWND window = host.control_window();
    ASSERT_NE(nullptr, window);
    RECT size{};
    ::GetClientRect(window, &size);
    EXPECT_EQ(290, size.right);
    EXPECT_EQ(235, size.bottom);

    ClickSink sink;
    EventConnection connection(host.unknown(), moonleaf_ids::kEventsIid, &sink);
    ASSERT_TRUE(connection.connected());
    ASSERT_EQ(S_OK,
              put_property(host.control(), DISPID_MOONLEAF_VALUE, make_date(date(2020, 5, 23))));

    // May 2020 starts on a Friday: the 10th is cell 14, the first cell of the third row.
    press_and_release(window, 2 + 20, 46 + 2 * 28 + 14);
    EXPECT_EQ(1, sink.clicks);
    EXPECT_EQ(date(2020, 5, 10), value_of(host.control()));

    // An empty cell, the weekday header and the title band change nothing and raise nothing.
    press_and_release(window, 2 + 20, 46 + 14);
    press_and_release(window, 100, 35);
    press_and_release(window, 20, 10);
    EXPECT_EQ(1, sink.clicks);
    EXPECT_EQ(date(2020, 5, 10), value_of(host.control()));
}

HWND first_combo_box(HWND control) {
    HWND found = nullptr;
    ::EnumChildWindows(
        control,
        [](HWND child, LPARAM result) -> BOOL {
            wchar_t name[32] = {};
            ::GetClassNameW(child, name, 32);
            if (::lstrcmpiW(name, L"ComboBox") != 0) return TRUE;
            *reinterpret_cast<HWND*>(result) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Records the property-change notifications a container receives.
class ChangeSink final : public IPropertyNotifySink {
  public:
    std::vector<DISPID> changed;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = iid == IID_IUnknown || iid == IID_IPropertyNotifySink ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
        changed.push_back(id);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }
};

TEST(MoonleafEmbedding, PropertyWritesNotifyTheContainerWithTheirDispatchIds) {
    ComPtr<IUnknown> control = create_moonleaf();
    ChangeSink sink;
    ComPtr<IConnectionPointContainer> container =
        control.query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ASSERT_TRUE(container);
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(S_OK, container->FindConnectionPoint(IID_IPropertyNotifySink, point.put()));
    DWORD cookie = 0;
    ASSERT_EQ(S_OK, point->Advise(&sink, &cookie));
    auto dispatch = control.query<IDispatch>(IID_IDispatch);
    ASSERT_EQ(S_OK,
              put_property(dispatch.get(), DISPID_MOONLEAF_GRIDLINESCOLOR, make_i4(0x123456)));
    ASSERT_EQ(S_OK,
              put_property(dispatch.get(), DISPID_MOONLEAF_VALUE, make_date(date(2020, 5, 23))));
    ASSERT_EQ(S_OK, put_property(dispatch.get(), DISPID_MOONLEAF_BIG, make_i2(1)));
    ASSERT_EQ(S_OK, put_property(dispatch.get(), DISPID_MOONLEAF_SHOWHOLIDAYS, make_bool(true)));
    EXPECT_EQ((std::vector<DISPID>{DISPID_MOONLEAF_GRIDLINESCOLOR, DISPID_MOONLEAF_VALUE,
                                   DISPID_MOONLEAF_BIG, DISPID_MOONLEAF_SHOWHOLIDAYS}),
              sink.changed);
    EXPECT_EQ(S_OK, point->Unadvise(cookie));
    EXPECT_EQ(S_OK, control.query<IPersistStreamInit>(IID_IPersistStreamInit)->IsDirty());
}

TEST(MoonleafEmbedding, ConnectionPointsAndConnectionsCanBeListed) {
    ComPtr<IUnknown> control = create_moonleaf();
    auto container = control.query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ASSERT_TRUE(container);
    ComPtr<IEnumConnectionPoints> points;
    ASSERT_EQ(S_OK, container->EnumConnectionPoints(points.put()));
    IConnectionPoint* listed[3] = {};
    ULONG fetched = 0;
    EXPECT_EQ(S_FALSE, points->Next(3, listed, &fetched));
    ASSERT_EQ(2u, fetched);
    IID first{}, second{};
    listed[0]->GetConnectionInterface(&first);
    listed[1]->GetConnectionInterface(&second);
    EXPECT_TRUE(::IsEqualIID(first, moonleaf_ids::kEventsIid));
    EXPECT_TRUE(::IsEqualIID(second, IID_IPropertyNotifySink));

    ClickSink sink;
    DWORD cookie = 0;
    ASSERT_EQ(S_OK, listed[0]->Advise(&sink, &cookie));
    ComPtr<IEnumConnections> connections;
    ASSERT_EQ(S_OK, listed[0]->EnumConnections(connections.put()));
    CONNECTDATA data{};
    ASSERT_EQ(S_OK, connections->Next(1, &data, nullptr));
    EXPECT_EQ(cookie, data.dwCookie);
    data.pUnk->Release();
    EXPECT_EQ(S_FALSE, connections->Next(1, &data, nullptr));
    EXPECT_EQ(S_OK, listed[0]->Unadvise(cookie));
    EXPECT_EQ(CONNECT_E_NOCONNECTION, listed[0]->Unadvise(cookie));
    for (ULONG i = 0; i < fetched; ++i) listed[i]->Release();
}

TEST(MoonleafEmbedding, YearSelectorOpensItsListAndAChoiceMovesValue) {
    ControlHost host;
    ASSERT_EQ(S_OK, host.embed(L"" MOONLEAF_PROGID, 10, 10));
    ASSERT_EQ(S_OK,
              put_property(host.control(), DISPID_MOONLEAF_VALUE, make_date(date(2020, 5, 23))));
    const HWND year_list = first_combo_box(host.control_window());
    ASSERT_NE(nullptr, year_list);
    EXPECT_EQ(2020 - 1901, ::SendMessageW(year_list, CB_GETCURSEL, 0, 0));

    // The drop-down button of the year box (the box's left edge lies at 290 - 138).
    press_and_release(host.control_window(), 290 - 138 + 56, 3 + 10);
    EXPECT_TRUE(::SendMessageW(year_list, CB_GETDROPPEDSTATE, 0, 0));
    // The user moves to the next item of the open list and takes it.
    ::SendMessageW(year_list, WM_KEYDOWN, VK_DOWN, 0);
    ::SendMessageW(year_list, WM_KEYDOWN, VK_RETURN, 0);
    pump_messages();
    EXPECT_EQ(date(2021, 5, 23), value_of(host.control()));
}

TEST(MoonleafEmbedding, HoldingTheYearUpArrowStepsWithTheTimerUntilReleased) {
    ControlHost host;
    ASSERT_EQ(S_OK, host.embed(L"" MOONLEAF_PROGID, 10, 10));
    ASSERT_EQ(S_OK,
              put_property(host.control(), DISPID_MOONLEAF_VALUE, make_date(date(2020, 2, 29))));
    const HWND window = host.control_window();
    const LPARAM right_arrow = MAKELPARAM(290 - 138 + 44, 3 + 10);
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, right_arrow);
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 450) {
        pump_messages();
        ::Sleep(10);
    }
    ::SendMessageW(window, WM_LBUTTONUP, 0, right_arrow);
    pump_messages();
    const common::OleDate stepped(value_of(host.control()));
    EXPECT_GT(stepped.year(), 2020);
    EXPECT_EQ(2, stepped.month());
    EXPECT_EQ(28, stepped.day_of_month());  // 2021 and later: no 29 February until 2024

    // Released: the timer has stopped.
    const DATE after_release = value_of(host.control());
    ::Sleep(250);
    pump_messages();
    EXPECT_EQ(after_release, value_of(host.control()));
}

void send_left_button(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    ASSERT_EQ(1u, ::SendInput(1, &input, sizeof input));
}

// The user's own quick click, through the system's mouse input: one step, nothing after it.
TEST(MoonleafEmbedding, AQuickMouseClickOnTheMonthArrowStepsOneMonth) {
    ControlHost host;
    ASSERT_EQ(S_OK, host.embed(L"" MOONLEAF_PROGID, 10, 10));
    ASSERT_EQ(S_OK,
              put_property(host.control(), DISPID_MOONLEAF_VALUE, make_date(date(2020, 5, 23))));
    const HWND window = host.control_window();
    ::SetForegroundWindow(host.frame_window());
    POINT right_arrow{290 - 70 + 44, 3 + 10};
    ::ClientToScreen(window, &right_arrow);
    ASSERT_TRUE(::SetCursorPos(right_arrow.x, right_arrow.y));
    pump_messages();
    send_left_button(MOUSEEVENTF_LEFTDOWN);
    pump_for(50);
    send_left_button(MOUSEEVENTF_LEFTUP);
    pump_for(300);
    EXPECT_EQ(date(2020, 6, 23), value_of(host.control()));
}

TEST(MoonleafEmbedding, ExtentFollowsTheResizeRuleAndTheViewDrawsWithoutAWindow) {
    ComPtr<IUnknown> control = create_moonleaf();
    auto object = control.query<IOleObject>(IID_IOleObject);
    ASSERT_TRUE(object);
    // 300 pixels wide at 96 dots per inch, any height.
    SIZEL requested{::MulDiv(300, 2540, 96), ::MulDiv(500, 2540, 96)};
    ASSERT_EQ(S_OK, object->SetExtent(DVASPECT_CONTENT, &requested));
    SIZEL extent{};
    ASSERT_EQ(S_OK, object->GetExtent(DVASPECT_CONTENT, &extent));
    EXPECT_EQ(297, ::MulDiv(extent.cx, 96, 2540));
    EXPECT_EQ(235, ::MulDiv(extent.cy, 96, 2540));

    auto dispatch = control.query<IDispatch>(IID_IDispatch);
    ASSERT_EQ(S_OK,
              put_property(dispatch.get(), DISPID_MOONLEAF_BOTTOMBACKCOLOR, make_i4(0x00FF00)));
    auto view = control.query<IViewObject2>(IID_IViewObject2);
    ASSERT_TRUE(view);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateBitmap(297, 235, 1, 32, nullptr);
    HGDIOBJ original = ::SelectObject(dc, bitmap);
    const RECTL bounds{0, 0, 297, 235};
    EXPECT_EQ(S_OK, view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds,
                               nullptr, nullptr, 0));
    EXPECT_EQ(RGB(0, 255, 0),
              ::GetPixel(dc, 290, 230));  // inside the bottom band of the wider view
    ::SelectObject(dc, original);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

TEST(MoonleafPersistence, PropertyBagStoresOnlyWhatDiffersFromTheDefaults) {
    ComPtr<IUnknown> saved = create_moonleaf();
    auto saved_bag = saved.query<IPersistPropertyBag>(IID_IPersistPropertyBag);
    ASSERT_TRUE(saved_bag);
    ASSERT_EQ(S_OK, saved_bag->InitNew());
    MemoryBag untouched;
    ASSERT_EQ(S_OK, saved_bag->Save(&untouched, TRUE, FALSE));
    EXPECT_TRUE(untouched.values.empty());

    // Every property away from its default, stored with its own type, read back alike.
    const std::pair<DISPID, VARIANT> written[] = {
        {DISPID_MOONLEAF_BOTTOMBACKCOLOR, make_i4(0x0000FF)},
        {DISPID_MOONLEAF_DATEBACKCOLOR, make_i4(0x010203)},
        {DISPID_MOONLEAF_GRIDLINESCOLOR, make_i4(0)},
        {DISPID_MOONLEAF_SELECTCOLOR, make_i4(0x80000005)},
        {DISPID_MOONLEAF_SHOWVERTICALGRID, make_bool(false)},
        {DISPID_MOONLEAF_SHOWHORIZONTALGRID, make_bool(false)},
        {DISPID_MOONLEAF_TITLEBACKCOLOR, make_i4(0xFFFFFF)},
        {DISPID_MOONLEAF_WEEKBACKCOLOR, make_i4(0x00FFFF)},
        {DISPID_MOONLEAF_VALUE, make_date(date(2020, 5, 23))},
        {DISPID_MOONLEAF_BIG, make_i2(1)},
        {DISPID_MOONLEAF_SHOWHOLIDAYS, make_bool(true)},
    };
    auto control = saved.query<IDispatch>(IID_IDispatch);
    for (const auto& [id, value] : written) ASSERT_EQ(S_OK, put_property(control.get(), id, value));
    MemoryBag bag;
    ASSERT_EQ(S_OK, saved_bag->Save(&bag, TRUE, FALSE));
    ASSERT_EQ(11u, bag.values.size());
    EXPECT_EQ(VT_I4, V_VT(&bag.values[L"BottomBackColor"]));
    EXPECT_EQ(VT_BOOL, V_VT(&bag.values[L"ShowVerticalGrid"]));
    EXPECT_EQ(VT_DATE, V_VT(&bag.values[L"Value"]));
    EXPECT_EQ(VT_I2, V_VT(&bag.values[L"Big"]));
    EXPECT_EQ(VT_BOOL, V_VT(&bag.values[L"ShowHolidays"]));

    ComPtr<IUnknown> loaded = create_moonleaf();
    auto loaded_bag = loaded.query<IPersistPropertyBag>(IID_IPersistPropertyBag);
    ASSERT_EQ(S_OK, loaded_bag->Load(&bag, nullptr));
    auto restored = loaded.query<IDispatch>(IID_IDispatch);
    for (const auto& [id, value] : written) {
        UniqueVariant read;
        ASSERT_EQ(S_OK, get_property(restored.get(), id, read.get()));
        EXPECT_EQ(VARCMP_EQ,
                  ::VarCmp(read.get(), const_cast<VARIANT*>(&value), LOCALE_USER_DEFAULT, 0))
            << "dispatch id " << id;
    }
}

TEST(MoonleafPersistence, StrangeBagValuesTakeTheirDefaults) {
    MemoryBag bag;
    V_VT(&bag.values[L"Big"]) = VT_BSTR;
    V_BSTR(&bag.values[L"Big"]) = ::SysAllocString(L"大");
    V_VT(&bag.values[L"GridLinesColor"]) = VT_R8;
    V_R8(&bag.values[L"GridLinesColor"]) = 1e300;
    V_VT(&bag.values[L"Value"]) = VT_UNKNOWN;
    V_UNKNOWN(&bag.values[L"Value"]) = nullptr;

    ComPtr<IUnknown> loaded = create_moonleaf();
    auto persist = loaded.query<IPersistPropertyBag>(IID_IPersistPropertyBag);
    persist->Load(&bag, nullptr);
    auto control = loaded.query<IDispatch>(IID_IDispatch);
    UniqueVariant big, grid;
    EXPECT_EQ(S_OK, get_property(control.get(), DISPID_MOONLEAF_BIG, big.get()));
    EXPECT_EQ(S_OK, get_property(control.get(), DISPID_MOONLEAF_GRIDLINESCOLOR, grid.get()));
    EXPECT_EQ(0, V_I2(big.get()));
    EXPECT_EQ(0x800000, V_I4(grid.get()));
    UniqueVariant text;
    EXPECT_EQ(S_OK, call_with_date(control.get(), DISPID_MOONLEAF_GETCHINESEANIMAL,
                                   date(2020, 5, 23), text.get()));
}

TEST(MoonleafPersistence, StreamRoundTripKeepsEveryProperty) {
    ComPtr<IUnknown> saved = create_moonleaf();
    auto control = saved.query<IDispatch>(IID_IDispatch);
    ASSERT_EQ(S_OK, put_property(control.get(), DISPID_MOONLEAF_WEEKBACKCOLOR, make_i4(0x123456)));
    ASSERT_EQ(S_OK,
              put_property(control.get(), DISPID_MOONLEAF_SHOWHORIZONTALGRID, make_bool(false)));
    ASSERT_EQ(S_OK,
              put_property(control.get(), DISPID_MOONLEAF_VALUE, make_date(date(2001, 2, 3))));
    auto persist = saved.query<IPersistStreamInit>(IID_IPersistStreamInit);
    ASSERT_TRUE(persist);
    EXPECT_EQ(S_OK, persist->IsDirty());

    ComPtr<IStream> stream;
    ASSERT_EQ(S_OK, ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
    ASSERT_EQ(S_OK, persist->Save(stream.get(), TRUE));
    EXPECT_EQ(S_FALSE, persist->IsDirty());
    const LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);

    ComPtr<IUnknown> loaded = create_moonleaf();
    auto loaded_persist = loaded.query<IPersistStreamInit>(IID_IPersistStreamInit);
    ASSERT_EQ(S_OK, loaded_persist->Load(stream.get()));
    auto restored = loaded.query<IDispatch>(IID_IDispatch);
    UniqueVariant week, grid;
    get_property(restored.get(), DISPID_MOONLEAF_WEEKBACKCOLOR, week.get());
    get_property(restored.get(), DISPID_MOONLEAF_SHOWHORIZONTALGRID, grid.get());
    EXPECT_EQ(0x123456, V_I4(week.get()));
    EXPECT_EQ(VARIANT_FALSE, V_BOOL(grid.get()));
    EXPECT_EQ(date(2001, 2, 3), value_of(restored.get()));

    // A stream that is not ours is refused, and the control keeps its state.
    ComPtr<IStream> foreign;
    ASSERT_EQ(S_OK, ::CreateStreamOnHGlobal(nullptr, TRUE, foreign.put()));
    const char junk[] = "not a Moonleaf stream at all";
    foreign->Write(junk, sizeof junk, nullptr);
    foreign->Seek(start, STREAM_SEEK_SET, nullptr);
    EXPECT_TRUE(FAILED(loaded_persist->Load(foreign.get())));
    EXPECT_EQ(date(2001, 2, 3), value_of(restored.get()));
}

}  // namespace
}  // namespace moonleaf_test
