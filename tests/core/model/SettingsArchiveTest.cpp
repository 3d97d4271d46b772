#include "model/SettingsArchive.h"
#include "model/MountSettings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace zenbelts {
namespace {

using Bytes = std::vector<std::uint8_t>;

MountSettings Factory()
{
    SatelliteCatalogue catalogue;
    for (int p = 0; p < 120; ++p)
        catalogue.InsertOrRename(p * 30, "S");
    MountSettings s;
    s.LoadFactoryDefaults(catalogue);
    return s;
}

std::int32_t IntAt(const Bytes& b, std::size_t offset)
{
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i)
        u = (u << 8) | b[offset + i];
    return static_cast<std::int32_t>(u);
}

void PutInt(Bytes& b, std::size_t offset, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        b[offset + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

MountSettings Load(const Bytes& bytes)
{
    MountSettings s;
    LoadSettings(bytes, s);
    return s;
}

ArchiveError::Cause FailureOf(const Bytes& bytes)
{
    try {
        Load(bytes);
    } catch (const ArchiveError& e) {
        return e.cause();
    }
    ADD_FAILURE() << "loaded";
    return ArchiveError::Cause::BadSchema;
}

TEST(SettingsArchive, FactorySetUpStoresTheWorkedBytes)
{
    const Bytes b = StoreSettings(Factory());
    ASSERT_EQ(b.size(), 544u);
    const std::int32_t expected[22]
        = {2600, 4620, 0, 0, -50, 50, 0, -50, 50, 0, -50, 50, 466, -50, 50, 0, -50, 50, -64, -50, 50, 1};
    for (int i = 0; i < 22; ++i)
        EXPECT_EQ(IntAt(b, 4 * i), expected[i]) << "offset " << 4 * i;
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 8), (Bytes{0x28, 0x0A, 0, 0, 0x0C, 0x12, 0, 0}));
    EXPECT_EQ(Bytes(b.begin() + 16, b.begin() + 20), (Bytes{0xCE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(b.begin() + 48, b.begin() + 52), (Bytes{0xD2, 0x01, 0, 0}));
    EXPECT_EQ(Bytes(b.begin() + 72, b.begin() + 76), (Bytes{0xC0, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(b.begin() + 540, b.end()), (Bytes{0, 0, 0, 0}));
    // Position 0 is chosen: the lowest bit of byte 88.
    EXPECT_EQ(b[88] & 1, 1);
}

TEST(SettingsArchive, StoreLoadStoreGivesTheSameBytes)
{
    MountSettings s = Factory();
    s.latitude = -754;
    s.longitude = -905;
    s.altitude = 321;
    s.Recalculate(true);
    s.poleNS = -12;
    s.motorAzimuth = 40;
    s.autoDeclination = 0;
    s.declination = s.declinationAuto - 20;
    s.lockSatellites = 1;
    s.chosenSatellites.Set(3599);
    s.Recalculate(false);
    const Bytes first = StoreSettings(s);
    // declinationAuto may differ: s kept the value of the mount before the
    // motor azimuth moved, loading computes it for the stored mount.
    EXPECT_EQ(StoreSettings(Load(first)), first);
}

TEST(SettingsArchive, RebuildsTheDerivedFields)
{
    const MountSettings factory = Factory();
    const MountSettings loaded = Load(StoreSettings(factory));
    EXPECT_EQ(loaded.motorElevationAuto, 466);
    EXPECT_EQ(loaded.declinationAuto, -64);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(loaded.siteFrame.m[i], factory.siteFrame.m[i]);
        EXPECT_EQ(loaded.mountFrame.m[i], factory.mountFrame.m[i]);
    }
}

struct BadValue {
    const char* name;
    std::size_t offset;
    std::int32_t value;
    const char* detail;
};

class SettingsArchiveRefuses : public testing::TestWithParam<BadValue> {};

TEST_P(SettingsArchiveRefuses, WithBadSchema)
{
    Bytes b = StoreSettings(Factory());
    PutInt(b, GetParam().offset, GetParam().value);
    try {
        Load(b);
        FAIL() << "loaded";
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.cause(), ArchiveError::Cause::BadSchema);
        EXPECT_EQ(e.detail().English(), GetParam().detail);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SettingsArchive, SettingsArchiveRefuses,
    testing::Values(
        BadValue{"Latitude5401", 0, 5401, "the latitude is out of range"},
        BadValue{"LongitudeMinus10800", 4, -10800, "the longitude is out of range"},
        BadValue{"Altitude10001", 8, 10001, "the altitude is out of range"},
        BadValue{"PoleNSMinEqualsMax", 16, 50, "the pole north/south limits are out of range"},
        BadValue{"PoleNSBeyondMax", 12, 51, "the pole north/south is outside its limits"},
        BadValue{"PoleEWMaxTooHigh", 32, 1801, "the pole east/west limits are out of range"},
        BadValue{"MotorAzimuthMinTooLow", 40, -1800, "the motor azimuth limits are out of range"},
        BadValue{"MotorElevationMinZero", 52, 0, "the motor elevation limits are out of range"},
        BadValue{"MotorElevationMaxZero", 56, 0, "the motor elevation limits are out of range"},
        BadValue{"MotorElevationOutside", 48, 466 + 51, "the motor elevation is outside its limits"},
        BadValue{"DishAzimuthBelowMin", 60, -51, "the dish azimuth is outside its limits"},
        BadValue{"DeclinationMaxZero", 80, 0, "the dish declination limits are out of range"},
        BadValue{"DeclinationOutside", 72, -64 - 51, "the dish declination is outside its limits"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsArchive, WidestPlainLimitsPass)
{
    Bytes b = StoreSettings(Factory());
    PutInt(b, 16, -1799);
    PutInt(b, 20, 1800);
    EXPECT_EQ(Load(b).poleNSMax, 1800);
}

TEST(SettingsArchive, DeclinationIsCheckedEvenWhenNotAutomatic)
{
    Bytes b = StoreSettings(Factory());
    PutInt(b, 84, 0);
    PutInt(b, 72, -64 + 50);
    EXPECT_EQ(Load(b).declination, -14);
    PutInt(b, 72, -64 + 51);
    EXPECT_EQ(FailureOf(b), ArchiveError::Cause::BadSchema);
}

TEST(SettingsArchive, AutomaticDeclinationReplacesTheStoredOne)
{
    Bytes b = StoreSettings(Factory());
    PutInt(b, 72, -64 + 30);
    const MountSettings s = Load(b);
    EXPECT_EQ(s.declination, -64);
}

TEST(SettingsArchive, DeclinationLimitsFollowTheStoredMount)
{
    // The stored declination is checked against the automatic value of the
    // stored adjustments (motor azimuth 30.0 degrees moves it to -91).
    MountSettings s = Factory();
    s.motorAzimuthMin = -400;
    s.motorAzimuthMax = 400;
    s.motorAzimuth = 300;
    s.autoDeclination = 0;
    s.declination = -91 - 50;
    Bytes b = StoreSettings(s);
    EXPECT_EQ(Load(b).declinationAuto, -91);
    PutInt(b, 72, -64 - 50);  // within the factory limits, not the stored mount's
    EXPECT_NO_THROW(Load(b));
    PutInt(b, 72, -91 + 51);
    EXPECT_EQ(FailureOf(b), ArchiveError::Cause::BadSchema);
}

TEST(SettingsArchive, FlagsReadBack)
{
    Bytes b = StoreSettings(Factory());
    PutInt(b, 84, 5);
    PutInt(b, 540, 5);
    const MountSettings s = Load(b);
    EXPECT_EQ(s.autoDeclination, 5);
    EXPECT_EQ(s.lockSatellites, 1);
    EXPECT_EQ(IntAt(StoreSettings(s), 84), 5);
}

TEST(SettingsArchive, LengthRules)
{
    const Bytes full = StoreSettings(Factory());
    Bytes withFlag = full;
    PutInt(withFlag, 540, 1);

    const Bytes b540(withFlag.begin(), withFlag.begin() + 540);
    EXPECT_EQ(Load(b540).lockSatellites, 0) << "540 bytes: no flag";

    // A file cut inside the flag is cut, not one from before the flag.
    for (std::size_t n : {0u, 3u, 87u, 88u, 300u, 539u, 541u, 542u, 543u}) {
        const Bytes shorter(withFlag.begin(), withFlag.begin() + n);
        EXPECT_EQ(FailureOf(shorter), ArchiveError::Cause::EndOfFile) << n << " bytes";
        MountSettings s;
        try {
            LoadSettings(shorter, s);
        } catch (const ArchiveError& e) {
            EXPECT_EQ(e.detail().English(), "it ends early") << n << " bytes";
        }
    }

    Bytes b600 = withFlag;
    b600.resize(600, 0xAB);
    EXPECT_EQ(Load(b600).lockSatellites, 1) << "600 bytes: the first 544 count";
}

TEST(SettingsArchive, HighBitsOfTheLastWordSurvive)
{
    Bytes b = StoreSettings(Factory());
    b[538] = 0xCD;
    b[539] = 0xAB;
    const MountSettings s = Load(b);
    EXPECT_EQ(s.chosenSatellites.RawWords()[112] >> 16, 0xABCDu);
    EXPECT_EQ(StoreSettings(s), b);
}

TEST(SettingsArchive, AFailedLoadLeavesTheTargetAlone)
{
    MountSettings target = Factory();
    target.poleNS = 7;
    const MountSettings before = target;
    Bytes b = StoreSettings(Factory());
    PutInt(b, 4, 20000);
    EXPECT_THROW(LoadSettings(b, target), ArchiveError);
    EXPECT_EQ(target, before);
}

}  // namespace
}  // namespace zenbelts
