#include "model/SettingsExtension.h"
#include "model/MountSettings.h"
#include "model/RoundTrip.h"
#include "model/SettingsArchive.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zenbelts {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::HasSubstr;

MountSettings WithDish(int offset, int feedUp)
{
    SatelliteCatalogue catalogue;
    catalogue.InsertOrRename(130, "S");
    MountSettings s;
    s.LoadFactoryDefaults(catalogue);
    s.dishOffset = offset;
    s.feedUp = feedUp;
    return s;
}

void Put32(Bytes& b, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Get32(const Bytes& b, std::size_t at)
{
    return ReadLittleEndian32(b.data() + at);
}

// The check over the records again, after a record was changed on purpose.
void Reseal(Bytes& b)
{
    const std::uint32_t length = Get32(b, 552);
    Put32(b, 556 + length, Crc32(std::span(b).subspan(556, length)));
}

std::string Refusal(const Bytes& b)
{
    MountSettings s;
    try {
        LoadSettings(b, s);
    } catch (const ArchiveError& e) {
        return e.detail().English();
    }
    return "loaded";
}

TEST(SettingsExtension, CrcIsTheStandardOne)
{
    const std::string check = "123456789";
    EXPECT_EQ(Crc32(std::span(reinterpret_cast<const std::uint8_t*>(check.data()), check.size())),
              0xCBF43926u);
}

TEST(SettingsExtension, ADishFollowsTheRecordInTheDocumentedLayout)
{
    EXPECT_EQ(StoreSettings(WithDish(0, 0)).size(), 544u) << "no dish, no extension";

    const Bytes b = StoreSettings(WithDish(225, 1));
    ASSERT_EQ(b.size(), 544u + 16 + 16);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 544), StoreSettings(WithDish(0, 0))) << "the record is untouched";
    EXPECT_EQ(std::string(b.begin() + 544, b.begin() + 548), "ZBEX");
    EXPECT_EQ(Get32(b, 548), 1u);
    EXPECT_EQ(Get32(b, 552), 16u);
    EXPECT_EQ(std::string(b.begin() + 556, b.begin() + 560), "DISH");
    EXPECT_EQ(Get32(b, 560), 8u);
    EXPECT_EQ(Get32(b, 564), 225u);
    EXPECT_EQ(Get32(b, 568), 1u);
    EXPECT_EQ(Get32(b, 572), Crc32(std::span(b).subspan(556, 16)));
}

TEST(SettingsExtension, DishesStoreAndLoadTheSame)
{
    for (int offset : {0, 1, 200, 450})
        for (int feedUp : {0, 1})
            EXPECT_TRUE(StoresAndLoadsTheSame(WithDish(offset, feedUp))) << offset << " " << feedUp;
}

MountSettings WithReach()
{
    MountSettings s = WithDish(0, 0);
    s.horizon = {{1400, 0}, {1500, 350}, {3599, 900}};
    s.motorEast = 650;
    s.dishDiameter = 120;
    return s;
}

TEST(SettingsExtension, ReachFollowsInTheDocumentedLayoutOnlyWhereItIsNotTheDefault)
{
    MountSettings defaults = WithDish(0, 0);
    EXPECT_EQ(defaults.motorEast, 750);
    EXPECT_EQ(defaults.dishDiameter, 80);
    EXPECT_TRUE(defaults.horizon.empty());

    const Bytes b = StoreSettings(WithReach());
    ASSERT_EQ(b.size(), 544u + 16 + (8 + 24) + (8 + 8) + (8 + 4));
    EXPECT_EQ(std::string(b.begin() + 556, b.begin() + 560), "HRZN");
    EXPECT_EQ(Get32(b, 560), 24u);
    EXPECT_EQ(Get32(b, 564), 1400u);
    EXPECT_EQ(Get32(b, 572), 1500u);
    EXPECT_EQ(Get32(b, 576), 350u);
    EXPECT_EQ(Get32(b, 584), 900u);
    EXPECT_EQ(std::string(b.begin() + 588, b.begin() + 592), "MOTR");
    EXPECT_EQ(Get32(b, 596), 650u);
    EXPECT_EQ(Get32(b, 600), 750u);
    EXPECT_EQ(std::string(b.begin() + 604, b.begin() + 608), "DIAM");
    EXPECT_EQ(Get32(b, 612), 120u);
    EXPECT_TRUE(StoresAndLoadsTheSame(WithReach()));

    MountSettings westOnly = defaults;
    westOnly.motorWest = 0;
    EXPECT_EQ(StoreSettings(westOnly).size(), 544u + 16 + 16) << "one record for the motor alone";
    EXPECT_TRUE(StoresAndLoadsTheSame(westOnly));
}

TEST(SettingsExtension, AReaderOfTheRecordAloneSeesTheSameSetUp)
{
    const MountSettings dish = WithDish(300, 0);
    const Bytes b = StoreSettings(dish);
    MountSettings record;
    LoadSettings(std::span(b).first(544), record);
    EXPECT_EQ(record, WithDish(0, 0));
}

TEST(SettingsExtension, RecordsOfLaterVersionsAreSkipped)
{
    Bytes b = StoreSettings(WithDish(220, 0));
    // A record of some later version before the dish.
    const Bytes horizon = {'L', 'A', 'T', 'R', 6, 0, 0, 0, 1, 2, 3, 4, 5, 6};
    b.insert(b.begin() + 556, horizon.begin(), horizon.end());
    Put32(b, 552, 16 + horizon.size());
    Reseal(b);
    MountSettings s;
    LoadSettings(b, s);
    EXPECT_EQ(s.dishOffset, 220);
}

TEST(SettingsExtension, OtherBytesAfterTheRecordAreStillIgnored)
{
    Bytes b = StoreSettings(WithDish(0, 0));
    b.insert(b.end(), {'Z', 'B', 'E', 'Y', 0, 0});
    MountSettings s;
    LoadSettings(b, s);
    EXPECT_EQ(s, WithDish(0, 0));
}

TEST(SettingsExtension, ADamagedExtensionIsRefusedWithItsCause)
{
    const Bytes good = StoreSettings(WithDish(225, 1));
    const auto changed = [&](auto change) {
        Bytes b = good;
        change(b);
        return b;
    };
    const struct {
        const char* what;
        Bytes bytes;
        const char* says;
    } cases[] = {
        {"only the tag's start", Bytes(good.begin(), good.begin() + 546), "damaged: it ends early"},
        {"no check", Bytes(good.begin(), good.end() - 4), "damaged: it ends early"},
        {"a byte more", changed([](Bytes& b) { b.push_back(0); }), "damaged: its length does not match"},
        {"a length past the end", changed([](Bytes& b) { Put32(b, 552, 0x7FFFFFF0); }),
         "damaged: it ends early"},
        {"a changed offset", changed([](Bytes& b) { b[564] ^= 1; }), "damaged: its check does not match"},
        {"a changed check", changed([](Bytes& b) { b[575] ^= 0x80; }), "damaged: its check does not match"},
        {"an offset past 45 degrees", changed([](Bytes& b) {
             Put32(b, 564, 451);
             Reseal(b);
         }),
         "damaged: the dish offset is out of range"},
        {"a negative offset", changed([](Bytes& b) {
             Put32(b, 564, 0xFFFFFFFF);
             Reseal(b);
         }),
         "damaged: the dish offset is out of range"},
        {"a feed neither up nor down", changed([](Bytes& b) {
             Put32(b, 568, 2);
             Reseal(b);
         }),
         "damaged: the feed arm"},
        {"a dish record too short", changed([](Bytes& b) {
             Put32(b, 560, 4);
             Reseal(b);
         }),
         "damaged: a record does not read"},
        {"a record past the records", changed([](Bytes& b) {
             Put32(b, 560, 9);
             Reseal(b);
         }),
         "damaged: a record does not read"},
        {"version 0", changed([](Bytes& b) { Put32(b, 548, 0); }), "damaged: its version is unknown"},
        {"a later version", changed([](Bytes& b) { Put32(b, 548, 2); }), "of a later version (2)"},
    };
    for (const auto& c : cases)
        EXPECT_THAT(Refusal(c.bytes), HasSubstr(c.says)) << c.what;

    const Bytes reach = StoreSettings(WithReach());
    const auto reachChanged = [&](auto change) {
        Bytes b = reach;
        change(b);
        Reseal(b);
        return b;
    };
    const struct {
        const char* what;
        Bytes bytes;
        const char* says;
    } reachCases[] = {
        {"a horizon point cut short", reachChanged([](Bytes& b) { Put32(b, 560, 20); }),
         "a record does not read"},
        {"azimuths out of order", reachChanged([](Bytes& b) { Put32(b, 572, 1300); }),
         "the horizon mask is out of range"},
        {"an azimuth of 360 degrees", reachChanged([](Bytes& b) { Put32(b, 580, 3600); }),
         "the horizon mask is out of range"},
        {"an elevation past the zenith", reachChanged([](Bytes& b) { Put32(b, 584, 901); }),
         "the horizon mask is out of range"},
        {"a negative elevation", reachChanged([](Bytes& b) { Put32(b, 568, 0xFFFFFFFF); }),
         "the horizon mask is out of range"},
        {"a motor past a quarter turn", reachChanged([](Bytes& b) { Put32(b, 600, 901); }),
         "the motor's range is out of range"},
        {"a dish of 10 cm", reachChanged([](Bytes& b) { Put32(b, 612, 10); }),
         "the dish diameter is out of range"},
    };
    for (const auto& c : reachCases)
        EXPECT_THAT(Refusal(c.bytes), HasSubstr(c.says)) << c.what;

    Bytes twice = good;
    twice.insert(twice.begin() + 572, good.begin() + 556, good.begin() + 572);
    Put32(twice, 552, 32);
    Reseal(twice);
    EXPECT_THAT(Refusal(twice), HasSubstr("a record does not read")) << "two dishes";
}

}  // namespace
}  // namespace zenbelts
