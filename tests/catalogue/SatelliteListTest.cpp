#include "catalogue/SatelliteList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

namespace zenbelts {
namespace {

using Entries = std::vector<std::pair<int, std::string>>;

Entries Read(const std::string& text)
{
    std::istringstream in(text);
    SatelliteCatalogue catalogue;
    EXPECT_TRUE(ReadSatelliteList(in, catalogue));
    Entries out;
    for (const SatelliteEntry& e : catalogue)
        out.emplace_back(e.position, e.name);
    return out;
}

struct LineCase {
    const char* name;
    std::string text;
    Entries expected;
};

class SatelliteListLines : public testing::TestWithParam<LineCase> {};

TEST_P(SatelliteListLines, ReadsAsWorkedOut)
{
    EXPECT_EQ(Read(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SatelliteList, SatelliteListLines,
    testing::Values(
        LineCase{"Words", "a line of words without leading digits\n", {}},
        LineCase{"Plain", "0130=Alpha\n", {{130, "Alpha"}}},
        LineCase{"LeadingBlankInName", "0192= Beta\n", {{192, " Beta"}}},
        LineCase{"West", "3550=Gamma\n", {{3550, "Gamma"}}},
        LineCase{"ThreeDigits", "130=Delta\n", {}},
        LineCase{"AboveRange", "4000=Epsilon\n", {}},
        LineCase{"LaterLineRenames", "0130=Alpha\n0130=Zeta\n", {{130, "Zeta"}}},
        LineCase{"Zero", "0000=Origin\n", {{0, "Origin"}}},
        LineCase{"Last", "3599=Last\n", {{3599, "Last"}}},
        LineCase{"Ring", "3600=Ring\n", {}},
        LineCase{"EmptyName", "0130=\n", {{130, ""}}},
        LineCase{"EqualsInName", "0130=A=B\n", {{130, "A=B"}}},
        LineCase{"BlankBeforeEquals", "0130 =A\n", {}},
        LineCase{"BlankBeforeDigits", " 0130=A\n", {}},
        LineCase{"SignInDigits", "+130=A\n-130=B\n", {}},
        LineCase{"TooShort", "0130\n", {}},
        LineCase{"CrLf", "0130=Alpha\r\n0192=Beta\r\n", {{130, "Alpha"}, {192, "Beta"}}},
        LineCase{"NoFinalLineEnd", "0130=Alpha\n0192=Beta", {{130, "Alpha"}, {192, "Beta"}}},
        LineCase{"InnerCrKept", "0130=A\rB\n", {{130, "A\rB"}}},
        LineCase{"Latin1Bytes", "0130=Caf\xe9\n", {{130, "Caf\xe9"}}},
        LineCase{"OrderOfLinesDoesNotMatter", "3550=G\n0130=A\n0192=B\n",
                 {{130, "A"}, {192, "B"}, {3550, "G"}}},
        LineCase{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SatelliteList, KeepsLongNamesWhole)
{
    const std::string name(5000, 'x');
    EXPECT_EQ(Read("0130=" + name + "\n"), (Entries{{130, name}}));
}

TEST(SatelliteList, ReadsTheShippedList)
{
    SatelliteCatalogue catalogue;
    ASSERT_TRUE(LoadSatelliteListFile("sats.lst", catalogue));
    EXPECT_GE(catalogue.size(), 100u);
    int previous = -1;
    for (const SatelliteEntry& e : catalogue) {
        EXPECT_GT(e.position, previous);
        previous = e.position;
    }
}

TEST(SatelliteList, MissingFileOrFolderFails)
{
    SatelliteCatalogue catalogue;
    EXPECT_FALSE(LoadSatelliteListFile("no-such-dir/sats.lst", catalogue));
    EXPECT_FALSE(LoadSatelliteListFile(std::filesystem::temp_directory_path().string(), catalogue));
}

TEST(SatelliteList, FileWithoutEntriesIsAnEmptyCatalogueNotAnError)
{
    const auto path = std::filesystem::temp_directory_path() / "zenbelts-empty-list.lst";
    std::ofstream(path) << "nothing here\n";
    SatelliteCatalogue catalogue;
    EXPECT_TRUE(LoadSatelliteListFile(path.string(), catalogue));
    EXPECT_TRUE(catalogue.empty());
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace zenbelts
