// Random and mutated inputs for the two readers of outside data: none may
// crash or hang, and whatever loads must keep every invariant.

#include "catalogue/SatelliteList.h"
#include "model/MountSettings.h"
#include "model/SettingsArchive.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace zenbelts {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ValidBytes(std::mt19937& rng)
{
    SatelliteCatalogue catalogue;
    for (int p = 0; p < 3600; p += 30)
        catalogue.InsertOrRename(p, "S");
    MountSettings s;
    s.LoadFactoryDefaults(catalogue);
    s.latitude = static_cast<int>(rng() % 10801) - 5400;
    s.longitude = static_cast<int>(rng() % 21600) - 10799;
    s.Recalculate(true);
    s.autoDeclination = rng() % 2;
    s.lockSatellites = rng() % 2;
    return StoreSettings(s);
}

// Small edits that keep most of the structure, so the checks deep in the
// format are reached too.
void Mutate(Bytes& b, std::mt19937& rng)
{
    static const std::int32_t interesting[]
        = {0,     1,     -1,     50,    -50,   1800, -1799, 1801,      -1800,    5400,
           -5400, 10800, -10799, 10000, -1000, 466,  -64,   INT32_MIN, INT32_MAX};
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits && !b.empty(); ++e) {
        switch (rng() % 4) {
        case 0:
            b[rng() % b.size()] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
            break;
        case 1:
            b[rng() % b.size()] = static_cast<std::uint8_t>(rng());
            break;
        case 2: {
            const std::size_t at = 4 * (rng() % (b.size() / 4 + 1));
            const auto v = static_cast<std::uint32_t>(interesting[rng() % std::size(interesting)]);
            for (std::size_t i = 0; i < 4 && at + i < b.size(); ++i)
                b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
            break;
        }
        default:
            b.resize(rng() % 601, static_cast<std::uint8_t>(rng()));
            break;
        }
    }
}

void CheckLoadOrRefusal(const Bytes& bytes, int& loaded)
{
    MountSettings s;
    try {
        LoadSettings(bytes, s);
    } catch (const ArchiveError& e) {
        // Whole records, with or without the last flag, fail only on a value.
        if (bytes.size() == 540 || bytes.size() >= 544) {
            EXPECT_EQ(e.cause(), ArchiveError::Cause::BadSchema);
        }
        return;
    }
    ++loaded;
    ASSERT_TRUE(bytes.size() == 540 || bytes.size() >= 544) << bytes.size();
    EXPECT_TRUE(HasValidInputs(s));
    EXPECT_TRUE(s.lockSatellites == 0 || s.lockSatellites == 1);
    // The derived fields are what the inputs give.
    MountSettings again = s;
    again.Recalculate(false);
    EXPECT_EQ(again, s);
    // It stores back to the bytes it came from, but for an automatic
    // declination, which follows the mount.
    Bytes expected(bytes.begin(), bytes.begin() + 540);
    if (s.autoDeclination != 0) {
        for (int i = 0; i < 4; ++i)
            expected[72 + i]
                = static_cast<std::uint8_t>(static_cast<std::uint32_t>(s.declination) >> (8 * i));
    }
    const Bytes stored = StoreSettings(s);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), stored.begin()));
}

TEST(Robustness, ArchiveReaderOnRandomAndMutatedBytes)
{
    std::mt19937 rng(20261207);
    int loaded = 0;
    for (int i = 0; i < 3000; ++i) {
        Bytes b;
        if (i % 3 == 0) {
            b.resize(rng() % 601);
            for (auto& byte : b)
                byte = static_cast<std::uint8_t>(rng());
        } else {
            b = ValidBytes(rng);
            Mutate(b, rng);
        }
        CheckLoadOrRefusal(b, loaded);
        if (HasFailure())
            FAIL() << "case " << i;
    }
    // The mutations must reach the end of the format, not only its first checks.
    EXPECT_GT(loaded, 300);
}

TEST(Robustness, ListReaderOnRandomText)
{
    std::mt19937 rng(7);
    static const char alphabet[] = "0123456789==\r\n\n \xb0\xff\x00xA";
    for (int i = 0; i < 3000; ++i) {
        std::string text(rng() % 601, ' ');
        for (char& c : text)
            c = (i % 2) ? alphabet[rng() % (sizeof alphabet - 1)] : static_cast<char>(rng());
        std::istringstream in(text);
        SatelliteCatalogue catalogue;
        ASSERT_TRUE(ReadSatelliteList(in, catalogue));
        int previous = -1;
        for (const SatelliteEntry& e : catalogue) {
            ASSERT_GT(e.position, previous) << "case " << i;
            ASSERT_LT(e.position, PositionCount);
            ASSERT_EQ(e.name.find('\n'), std::string::npos);
            previous = e.position;
        }
    }
}

}  // namespace
}  // namespace zenbelts
