// A C++ host binding late to "Moonleaf2.Moonleaf": dispatch identifiers from moonleaf_ids.h only,
// never GetIDsOfNames.
#include <gtest/gtest.h>
#include <ocidl.h>

#include <cmath>
#include <string>

#include "common/ole_date.h"
#include "common/win32/com_ptr.h"
#include "common/win32/dispatch_calls.h"
#include "moonleaf/com/moonleaf_ids.h"

namespace moonleaf_test {
namespace {

using namespace common::win32;

DATE date(int year, int month, int day) {
    return common::OleDate::from_ymd(year, month, day).serial();
}

ComPtr<IDispatch> create_moonleaf() {
    CLSID clsid{};
    ComPtr<IDispatch> object;
    EXPECT_EQ(S_OK, ::CLSIDFromProgID(L"" MOONLEAF_PROGID, &clsid));
    EXPECT_EQ(S_OK, ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                       object.put_void()));
    // Wine's registration-free CLSIDFromProgID gives an alias of the class, so the class is
    // checked on the object itself.
    CLSID created{};
    if (auto persist = object.query<IPersist>(IID_IPersist)) persist->GetClassID(&created);
    EXPECT_TRUE(::IsEqualCLSID(created, moonleaf_ids::kClsid));
    return object;
}

UniqueVariant property(IDispatch* object, DISPID id) {
    UniqueVariant value;
    EXPECT_EQ(S_OK, get_property(object, id, value.get())) << "dispatch id " << id;
    return value;
}

LONG colour(IDispatch* object, DISPID id) {
    UniqueVariant value = property(object, id);
    UniqueVariant as_long;
    EXPECT_EQ(S_OK, ::VariantChangeType(as_long.get(), value.get(), 0, VT_I4));
    return V_I4(as_long.get());
}

std::wstring text_of(IDispatch* object, DISPID id, DATE when) {
    UniqueVariant result;
    EXPECT_EQ(S_OK, call_with_date(object, id, when, result.get()));
    EXPECT_EQ(VT_BSTR, V_VT(result.get()));
    return V_VT(result.get()) == VT_BSTR ? V_BSTR(result.get()) : L"";
}

TEST(MoonleafDispatch, NewObjectHoldsEveryDefaultWithoutInitNew) {
    ComPtr<IDispatch> m = create_moonleaf();
    ASSERT_TRUE(m);
    EXPECT_EQ(0xC0C0C0, colour(m.get(), DISPID_MOONLEAF_BOTTOMBACKCOLOR));
    EXPECT_EQ(0xE0E0E0, colour(m.get(), DISPID_MOONLEAF_DATEBACKCOLOR));
    EXPECT_EQ(0x800000, colour(m.get(), DISPID_MOONLEAF_GRIDLINESCOLOR));
    EXPECT_EQ(0xFFC0C0, colour(m.get(), DISPID_MOONLEAF_SELECTCOLOR));
    EXPECT_EQ(0xC0C0C0, colour(m.get(), DISPID_MOONLEAF_TITLEBACKCOLOR));
    EXPECT_EQ(0xFFFFC0, colour(m.get(), DISPID_MOONLEAF_WEEKBACKCOLOR));
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(property(m.get(), DISPID_MOONLEAF_SHOWVERTICALGRID).get()));
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(property(m.get(), DISPID_MOONLEAF_SHOWHORIZONTALGRID).get()));
    EXPECT_EQ(0, V_I2(property(m.get(), DISPID_MOONLEAF_BIG).get()));
    SYSTEMTIME today{};
    ::GetLocalTime(&today);
    EXPECT_EQ(date(today.wYear, today.wMonth, today.wDay),
              std::floor(V_DATE(property(m.get(), DISPID_MOONLEAF_VALUE).get())));
}

TEST(MoonleafDispatch, EveryPropertyReadsBackWhatWasWritten) {
    ComPtr<IDispatch> m = create_moonleaf();
    ASSERT_TRUE(m);
    const DISPID colours[] = {DISPID_MOONLEAF_BOTTOMBACKCOLOR, DISPID_MOONLEAF_DATEBACKCOLOR,
                              DISPID_MOONLEAF_GRIDLINESCOLOR,  DISPID_MOONLEAF_SELECTCOLOR,
                              DISPID_MOONLEAF_TITLEBACKCOLOR,  DISPID_MOONLEAF_WEEKBACKCOLOR};
    LONG written = 0x102030;
    for (DISPID id : colours) {
        EXPECT_EQ(S_OK, put_property(m.get(), id, make_i4(written)));
        EXPECT_EQ(written, colour(m.get(), id));
        written += 0x010101;
    }
    for (DISPID id : {DISPID_MOONLEAF_SHOWVERTICALGRID, DISPID_MOONLEAF_SHOWHORIZONTALGRID}) {
        EXPECT_EQ(S_OK, put_property(m.get(), id, make_bool(false)));
        EXPECT_EQ(VARIANT_FALSE, V_BOOL(property(m.get(), id).get()));
    }
    EXPECT_EQ(S_OK, put_property(m.get(), DISPID_MOONLEAF_BIG, make_i2(1)));
    EXPECT_EQ(1, V_I2(property(m.get(), DISPID_MOONLEAF_BIG).get()));
    EXPECT_EQ(S_OK, put_property(m.get(), DISPID_MOONLEAF_VALUE, make_date(date(2085, 6, 1))));
    EXPECT_EQ(date(2085, 6, 1), V_DATE(property(m.get(), DISPID_MOONLEAF_VALUE).get()));
}

TEST(MoonleafDispatch, LunarMethodsAnswerForTheDateOrFallBackToValue) {
    ComPtr<IDispatch> m = create_moonleaf();
    ASSERT_TRUE(m);
    const DATE day = date(2020, 5, 23);
    EXPECT_EQ(L"农历庚子年(闰)四月初一", text_of(m.get(), DISPID_MOONLEAF_GETCHINESEDATE, day));
    EXPECT_EQ(L"庚子年(闰)", text_of(m.get(), DISPID_MOONLEAF_GETCHINESEYEAR, day));
    EXPECT_EQ(L"四月", text_of(m.get(), DISPID_MOONLEAF_GETCHINESEMONTH, day));
    EXPECT_EQ(L"初一", text_of(m.get(), DISPID_MOONLEAF_GETCHINESEDAY, day));
    EXPECT_EQ(L"鼠", text_of(m.get(), DISPID_MOONLEAF_GETCHINESEANIMAL, day));
    EXPECT_EQ(L"双子座", text_of(m.get(), DISPID_MOONLEAF_GETCONSTELLATION, day));
    // The twentieth and thirtieth days are written out in full.
    EXPECT_EQ(L"二十", text_of(m.get(), DISPID_MOONLEAF_GETCHINESEDAY, date(2020, 2, 13)));
    EXPECT_EQ(L"农历丙午年十月三十",
              text_of(m.get(), DISPID_MOONLEAF_GETCHINESEDATE, date(2026, 12, 8)));

    ASSERT_EQ(S_OK, put_property(m.get(), DISPID_MOONLEAF_VALUE, make_date(day)));
    EXPECT_EQ(L"庚子年(闰)", text_of(m.get(), DISPID_MOONLEAF_GETCHINESEYEAR, date(1900, 12, 31)));
    EXPECT_EQ(L"初一",
              text_of(m.get(), DISPID_MOONLEAF_GETCHINESEDAY, date(2090, 12, 31) + 8.0 / 24));
}

TEST(MoonleafDispatch, ValuePastTheLunarTableFailsWithADescriptionAndTheControlRecovers) {
    ComPtr<IDispatch> m = create_moonleaf();
    ASSERT_TRUE(m);
    // The write itself may report the failure (its redraw needs the lunar date); either way
    // the value is kept, and a method that falls back to it must fail with a description.
    put_property(m.get(), DISPID_MOONLEAF_VALUE, make_date(date(2095, 1, 1)));
    UniqueVariant result;
    std::wstring error;
    EXPECT_EQ(DISP_E_EXCEPTION, call_with_date(m.get(), DISPID_MOONLEAF_GETCHINESEDATE,
                                               date(1800, 1, 1), result.get(), &error));
    EXPECT_FALSE(error.empty());

    auto support = m.query<ISupportErrorInfo>(IID_ISupportErrorInfo);
    ASSERT_TRUE(support);
    EXPECT_EQ(S_OK, support->InterfaceSupportsErrorInfo(moonleaf_ids::kIid));

    EXPECT_EQ(S_OK, put_property(m.get(), DISPID_MOONLEAF_VALUE, make_date(date(2020, 5, 23))));
    EXPECT_EQ(L"四月", text_of(m.get(), DISPID_MOONLEAF_GETCHINESEMONTH, date(1800, 1, 1)));
}

TEST(MoonleafDispatch, VersionedProgIdNamesTheSameClass) {
    CLSID independent{}, versioned{};
    ASSERT_EQ(S_OK, ::CLSIDFromProgID(L"" MOONLEAF_PROGID, &independent));
    ASSERT_EQ(S_OK, ::CLSIDFromProgID(L"" MOONLEAF_PROGID_CURRENT, &versioned));
    EXPECT_TRUE(::IsEqualCLSID(independent, versioned));
}

TEST(MoonleafDispatch, ClassInfoNamesTheEventInterface) {
    ComPtr<IDispatch> m = create_moonleaf();
    ASSERT_TRUE(m);
    auto class_info = m.query<IProvideClassInfo2>(IID_IProvideClassInfo2);
    ASSERT_TRUE(class_info);
    GUID events{};
    EXPECT_EQ(S_OK, class_info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events));
    EXPECT_TRUE(::IsEqualIID(events, moonleaf_ids::kEventsIid));
    ComPtr<ITypeInfo> coclass;
    ASSERT_EQ(S_OK, class_info->GetClassInfo(coclass.put()));
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(S_OK, coclass->GetTypeAttr(&attributes));
    EXPECT_TRUE(::IsEqualCLSID(attributes->guid, moonleaf_ids::kClsid));
    coclass->ReleaseTypeAttr(attributes);
}

TEST(MoonleafModule, MayUnloadOnlyWhenNoObjectIsAlive) {
    ComPtr<IDispatch> m = create_moonleaf();
    ASSERT_TRUE(m);
    HMODULE library = ::GetModuleHandleW(L"Moonleaf2.ocx");
    ASSERT_NE(nullptr, library);
    auto can_unload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(::GetProcAddress(library, "DllCanUnloadNow")));
    ASSERT_NE(nullptr, can_unload);
    EXPECT_EQ(S_FALSE, can_unload());
    m.reset();
    EXPECT_EQ(S_OK, can_unload());
}

}  // namespace
}  // namespace moonleaf_test
