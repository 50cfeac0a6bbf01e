#include <gtest/gtest.h>

#include <limits>

#include "moonleaf/control/moonleaf_control.h"
#include "moonleaf/control/property_stream.h"
#include "tests/control/control_fakes.h"

namespace moonleaf {
namespace {

using common::OleDate;
using testing::FakeHost;
using testing::RecordingCanvas;

// A bag that hands out whatever a test put under a key, and records writes in order.
class ScriptedBag : public PropertyBag {
  public:
    BagValue read(std::string_view key) override {
        for (const auto& [k, v] : stored)
            if (k == key) return v;
        return BagMissing{};
    }
    bool write(std::string_view key, const StoredValue& value) override {
        written.emplace_back(std::string(key), value);
        return !refuse_writes;
    }
    std::vector<std::pair<std::string, BagValue>> stored;
    std::vector<std::pair<std::string, StoredValue>> written;
    bool refuse_writes = false;
};

class PersistenceTest : public ::testing::Test {
  protected:
    PersistenceTest() { host.clock = OleDate(OleDate::from_ymd(2020, 5, 23).serial() + 0.6); }
    FakeHost host;
    RecordingCanvas canvas;
};

TEST_F(PersistenceTest, DefaultsAndTodayAreNotWritten) {
    MoonleafControl control(host, canvas);
    ASSERT_TRUE(control.init_new().ok());
    ScriptedBag bag;
    EXPECT_TRUE(control.save(bag));
    EXPECT_TRUE(bag.written.empty());

    // Saved on the day it shows, it comes back showing the day it is loaded again.
    host.clock = OleDate::from_ymd(2020, 6, 2);
    MoonleafControl reloaded(host, canvas);
    ASSERT_TRUE(reloaded.load(bag).ok());
    EXPECT_EQ(reloaded.get_Value(), OleDate::from_ymd(2020, 6, 2));
}

TEST_F(PersistenceTest, ChangedPropertiesAreWrittenTypedAndInOrder) {
    MoonleafControl control(host, canvas);
    ASSERT_TRUE(control.init_new().ok());
    ASSERT_TRUE(control.put_SelectColor(0x80000005).ok());  // a system colour
    ASSERT_TRUE(control.put_ShowHorizontalGrid(false).ok());
    ASSERT_TRUE(control.put_Value(OleDate::from_ymd(2019, 2, 5)).ok());
    ASSERT_TRUE(control.put_Big(-1).ok());
    ASSERT_TRUE(control.put_ShowHolidays(true).ok());
    ScriptedBag bag;
    EXPECT_TRUE(control.save(bag));
    ASSERT_EQ(bag.written.size(), 5u);
    EXPECT_EQ(bag.written[0].first, "SelectColor");
    EXPECT_EQ(bag.written[0].second, StoredValue(std::int32_t{-2147483643}));
    EXPECT_EQ(bag.written[1].first, "ShowHorizontalGrid");
    EXPECT_EQ(bag.written[1].second, StoredValue(false));
    EXPECT_EQ(bag.written[2].first, "Value");
    EXPECT_EQ(bag.written[2].second, StoredValue(OleDate::from_ymd(2019, 2, 5)));
    EXPECT_EQ(bag.written[3].first, "Big");
    EXPECT_EQ(bag.written[3].second, StoredValue(std::int16_t{-1}));
    EXPECT_EQ(bag.written[4].first, "ShowHolidays");
    EXPECT_EQ(bag.written[4].second, StoredValue(true));
    bag.refuse_writes = true;
    EXPECT_FALSE(control.save(bag));
}

TEST_F(PersistenceTest, LoadRestoresThroughTheWriteAccessorsInOrder) {
    ScriptedBag bag;
    bag.stored = {{"Big", std::int64_t{2}},
                  {"Value", OleDate::from_ymd(2085, 6, 1)},
                  {"WeekBackColor", std::int64_t{0x00FF00}},
                  {"GridLinesColor", std::int64_t{-2147483640}},
                  {"ShowVerticalGrid", false},
                  {"ShowHolidays", std::string("True")}};
    MoonleafControl control(host, canvas);
    ASSERT_TRUE(control.load(bag).ok());
    EXPECT_EQ(host.changed, testing::property_order());
    EXPECT_EQ(control.get_Big(), 2);
    EXPECT_EQ(control.get_Value(), OleDate::from_ymd(2085, 6, 1));
    EXPECT_EQ(control.year_label(), 2085);
    EXPECT_EQ(control.get_WeekBackColor(), 0x00FF00u);
    EXPECT_EQ(control.get_GridLinesColor(), 0x80000008u);
    EXPECT_FALSE(control.get_ShowVerticalGrid());
    EXPECT_TRUE(control.get_ShowHolidays());
    EXPECT_EQ(control.get_BottomBackColor(), 12632256u);
}

TEST_F(PersistenceTest, StrangeBagValuesGiveTheDefaults) {
    ScriptedBag bag;
    bag.stored = {{"BottomBackColor", std::string("red")},
                  {"DateBackColor", std::int64_t{0x100000000}},
                  {"GridLinesColor", std::string("3 5")},
                  {"SelectColor", BagUnsupported{}},
                  {"ShowVerticalGrid", std::string("maybe")},
                  {"ShowHorizontalGrid", OleDate::from_ymd(2000, 1, 1)},
                  {"TitleBackColor", true},
                  {"WeekBackColor", OleDate::from_ymd(2000, 1, 1)},
                  {"Value", OleDate(std::numeric_limits<double>::quiet_NaN())},
                  {"Big", std::int64_t{40000}}};
    MoonleafControl control(host, canvas);
    ASSERT_TRUE(control.load(bag).ok());
    const ControlProperties defaults;
    EXPECT_EQ(control.get_BottomBackColor(), defaults.BottomBackColor);
    EXPECT_EQ(control.get_DateBackColor(), defaults.DateBackColor);
    EXPECT_EQ(control.get_GridLinesColor(), defaults.GridLinesColor);
    EXPECT_EQ(control.get_SelectColor(), defaults.SelectColor);
    EXPECT_TRUE(control.get_ShowVerticalGrid());
    EXPECT_TRUE(control.get_ShowHorizontalGrid());
    EXPECT_EQ(control.get_TitleBackColor(), defaults.TitleBackColor);
    EXPECT_EQ(control.get_WeekBackColor(), defaults.WeekBackColor);
    EXPECT_EQ(control.get_Value(), OleDate::from_ymd(2020, 5, 23));
    EXPECT_EQ(control.get_Big(), 0);

    bag.stored = {{"Value", OleDate(1e12)}, {"Big", std::int64_t{-32768}}};
    ASSERT_TRUE(control.load(bag).ok());
    EXPECT_EQ(control.get_Value(), OleDate::from_ymd(2020, 5, 23));
    EXPECT_EQ(control.get_Big(), -32768);
}

// Text-based bags (HTML <param> elements) give text, others integers for booleans or doubles
// for colours: each converts to the property's type.
TEST_F(PersistenceTest, ValuesStoredUnderAnotherTypeConvert) {
    ScriptedBag bag;
    bag.stored = {{"BottomBackColor", std::string("255")},
                  {"DateBackColor", 65280.0},
                  {"GridLinesColor", 3.5},  // to the even neighbour
                  {"SelectColor", std::string(" -2147483643 ")},
                  {"ShowVerticalGrid", std::string("0")},
                  {"ShowHorizontalGrid", std::int64_t{0}},
                  {"TitleBackColor", std::string("4.5")},
                  {"WeekBackColor", std::int64_t{0xFFFFFFFF}},
                  {"Value", std::string("2021-02-12")},
                  {"Big", std::string("1")}};
    MoonleafControl control(host, canvas);
    ASSERT_TRUE(control.load(bag).ok());
    EXPECT_EQ(control.get_BottomBackColor(), 255u);
    EXPECT_EQ(control.get_DateBackColor(), 0x00FF00u);
    EXPECT_EQ(control.get_GridLinesColor(), 4u);
    EXPECT_EQ(control.get_SelectColor(), 0x80000005u);
    EXPECT_FALSE(control.get_ShowVerticalGrid());
    EXPECT_FALSE(control.get_ShowHorizontalGrid());
    EXPECT_EQ(control.get_TitleBackColor(), 4u);
    EXPECT_EQ(control.get_WeekBackColor(), 0xFFFFFFFFu);
    EXPECT_EQ(control.get_Value(), OleDate::from_ymd(2021, 2, 12));
    EXPECT_EQ(control.get_Big(), 1);

    bag.stored = {{"ShowVerticalGrid", std::string("False")},
                  {"ShowHorizontalGrid", std::string("TRUE")},
                  {"Value", 43974.0}};
    ASSERT_TRUE(control.load(bag).ok());
    EXPECT_FALSE(control.get_ShowVerticalGrid());
    EXPECT_TRUE(control.get_ShowHorizontalGrid());
    EXPECT_EQ(control.get_Value(), OleDate::from_ymd(2020, 5, 23));
}

TEST_F(PersistenceTest, StoredValuePastTheLunarTableLoadsAndReportsTheError) {
    ScriptedBag bag;
    bag.stored = {{"Value", OleDate::from_ymd(2200, 1, 1)}};
    MoonleafControl control(host, canvas);
    EXPECT_FALSE(control.load(bag).ok());
    EXPECT_EQ(control.get_Value(), OleDate::from_ymd(2200, 1, 1));
}

TEST(PropertyStream, RoundTripsEveryStoredType) {
    MemoryPropertyBag bag;
    bag.write("SelectColor", std::int32_t{-2147483643});
    bag.write("ShowVerticalGrid", false);
    bag.write("Value", OleDate(43974.25));
    bag.write("Big", std::int16_t{-7});
    const std::vector<std::uint8_t> bytes = encode_property_stream(bag);
    ASSERT_EQ(stream_payload_size(bytes), bytes.size() - kStreamHeaderSize);
    DecodedStream decoded = decode_property_stream(bytes);
    EXPECT_FALSE(decoded.damaged);
    EXPECT_EQ(decoded.bag.entries(), bag.entries());
    EXPECT_EQ(decoded.bag.read("Big"), BagValue(std::int64_t{-7}));
    EXPECT_EQ(decoded.bag.read("Nothing"), BagValue(BagMissing{}));
}

TEST(PropertyStream, DamagedStreamKeepsTheEntriesBeforeTheDamage) {
    MemoryPropertyBag bag;
    bag.write("Big", std::int16_t{3});
    bag.write("Value", OleDate(43974.0));
    std::vector<std::uint8_t> bytes = encode_property_stream(bag);
    bytes.resize(bytes.size() - 3);  // cuts into "Value", which follows "Big"
    DecodedStream decoded = decode_property_stream(bytes);
    EXPECT_TRUE(decoded.damaged);
    EXPECT_EQ(decoded.bag.read("Big"), BagValue(std::int64_t{3}));
    EXPECT_EQ(decoded.bag.read("Value"), BagValue(BagMissing{}));

    bytes[0] = 'X';
    EXPECT_FALSE(stream_payload_size(bytes).has_value());
    decoded = decode_property_stream(bytes);
    EXPECT_TRUE(decoded.damaged);
    EXPECT_TRUE(decoded.bag.entries().empty());
}

}  // namespace
}  // namespace moonleaf
