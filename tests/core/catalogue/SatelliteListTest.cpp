#include "catalogue/SatelliteList.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include <sys/stat.h>

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
        LineCase{"West", "3550=Gamma\n", {{3550, "Gamma"}}}, LineCase{"ThreeDigits", "130=Delta\n", {}},
        LineCase{"AboveRange", "4000=Epsilon\n", {}},
        LineCase{"LaterLineRenames", "0130=Alpha\n0130=Zeta\n", {{130, "Zeta"}}},
        LineCase{"Zero", "0000=Origin\n", {{0, "Origin"}}}, LineCase{"Last", "3599=Last\n", {{3599, "Last"}}},
        LineCase{"Ring", "3600=Ring\n", {}}, LineCase{"EmptyName", "0130=\n", {{130, ""}}},
        LineCase{"EqualsInName", "0130=A=B\n", {{130, "A=B"}}},
        LineCase{"BlankBeforeEquals", "0130 =A\n", {}}, LineCase{"BlankBeforeDigits", " 0130=A\n", {}},
        LineCase{"SignInDigits", "+130=A\n-130=B\n", {}}, LineCase{"TooShort", "0130\n", {}},
        LineCase{"CrLf", "0130=Alpha\r\n0192=Beta\r\n", {{130, "Alpha"}, {192, "Beta"}}},
        LineCase{"NoFinalLineEnd", "0130=Alpha\n0192=Beta", {{130, "Alpha"}, {192, "Beta"}}},
        LineCase{"CrAloneEndsALine", "0130=A\r0192=B\r\r\n3550=C", {{130, "A"}, {192, "B"}, {3550, "C"}}},
        LineCase{"MarkBeforeTheFirstEntry",
                 "\xEF\xBB\xBF"
                 "0130=Alpha\n",
                 {{130, "Alpha"}}},
        LineCase{"Utf16LittleEndian",
                 std::string("\xFF\xFE\x30\0\x31\0\x33\0\x30\0=\0\xE9\0\r\0\n\0", 18),
                 {{130, "\xC3\xA9"}}},
        LineCase{"Utf16BigEndian", std::string("\xFE\xFF\0\x30\0\x31\0\x33\0\x30\0=\0A", 14), {{130, "A"}}},
        LineCase{"Latin1Bytes", "0130=Caf\xe9\n", {{130, "Caf\xe9"}}},
        LineCase{
            "OrderOfLinesDoesNotMatter", "3550=G\n0130=A\n0192=B\n", {{130, "A"}, {192, "B"}, {3550, "G"}}},
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

TEST(SatelliteList, OnlyAnEmptyFileIsAnEmptyList)
{
    const auto path = std::filesystem::temp_directory_path() / "zenbelts-empty-list.lst";
    for (const char* text : {"", "\r\n \n\t\n"}) {
        std::ofstream(path) << text;
        SatelliteCatalogue catalogue;
        EXPECT_TRUE(LoadSatelliteListFile(path.string(), catalogue)) << text;
        EXPECT_TRUE(catalogue.empty()) << text;
    }
    std::filesystem::remove(path);
}

struct LimitCase {
    const char* name;
    std::string text;
    std::string reason;  // empty: read
    Entries expected;
};

TEST(SatelliteList, LinesPastTheLimitRefuseTheList)
{
    const std::string ten = "0130=" + std::string(5, 'n');  // 10 bytes
    const LimitCase cases[] = {
        {"AtTheLimit", ten + "\n", "", {{130, "nnnnn"}}},
        {"AtTheLimitWithCrLf", ten + "\r\n", "", {{130, "nnnnn"}}},
        {"AtTheLimitAtTheEnd", ten, "", {{130, "nnnnn"}}},
        {"OneOver", "0192=B\n" + ten + "x\n", "line 2 is longer than 10 bytes", {{192, "B"}}},
        {"OneOverAtTheEnd", ten + "x", "line 1 is longer than 10 bytes", {}},
        {"CrAloneEndsTheLine", ten + "\r", "", {{130, "nnnnn"}}},
        {"OneOverAfterCrs", "\r\r" + ten + "x\r", "line 3 is longer than 10 bytes", {}},
        {"FarOverInAComment",
         "0192=B\n\n" + std::string(100000, '#'),
         "line 3 is longer than 10 bytes",
         {{192, "B"}}},
        {"NoLineEndsAtAll", std::string(1 << 20, '0'), "line 1 is longer than 10 bytes", {}},
    };
    for (const LimitCase& c : cases) {
        std::istringstream in(c.text);
        SatelliteCatalogue catalogue;
        const SatelliteListResult result = ReadSatelliteList(in, catalogue, 10);
        EXPECT_EQ(result.ok, c.reason.empty()) << c.name;
        EXPECT_EQ(result.reason.English(), c.reason) << c.name;
        Entries read;
        for (const SatelliteEntry& e : catalogue)
            read.emplace_back(e.position, e.name);
        EXPECT_EQ(read, c.expected) << c.name;
    }
}

std::string EntryLine(int position, const std::string& name)
{
    char digits[16];  // room for any int, which GCC checks under -O2
    std::snprintf(digits, sizeof digits, "%04d", position);
    return digits + ("=" + name) + "\n";
}

TEST(SatelliteList, EveryPositionInDescendingOrderWithRepeats)
{
    std::string text;
    for (int p = PositionCount - 1; p >= 0; --p)
        text += EntryLine(p, "first " + std::to_string(p));
    // Again for every hundredth: the later line names it.
    for (int p = 0; p < PositionCount; p += 100)
        text += EntryLine(p, "second");
    const Entries read = Read(text);
    ASSERT_EQ(read.size(), static_cast<std::size_t>(PositionCount));
    for (int p = 0; p < PositionCount; ++p) {
        EXPECT_EQ(read[static_cast<std::size_t>(p)].first, p);
        EXPECT_EQ(read[static_cast<std::size_t>(p)].second,
                  p % 100 == 0 ? "second" : "first " + std::to_string(p))
            << p;
    }
}

TEST(SatelliteList, ReadsIntoWhatIsThereRenamingIt)
{
    SatelliteCatalogue catalogue;
    catalogue.InsertOrRename(130, "Old");
    catalogue.InsertOrRename(3550, "Kept");
    std::istringstream in("0192=B\n0130=New\n0000=Z\n");
    ASSERT_TRUE(ReadSatelliteList(in, catalogue));
    Entries read;
    for (const SatelliteEntry& e : catalogue)
        read.emplace_back(e.position, e.name);
    EXPECT_EQ(read, (Entries{{0, "Z"}, {130, "New"}, {192, "B"}, {3550, "Kept"}}));
}

TEST(SatelliteList, DefaultLineLimit)
{
    const std::string longest = "0130=" + std::string(SatelliteListMaxLineBytes - 5, 'x');
    EXPECT_EQ(Read(longest + "\n"), (Entries{{130, longest.substr(5)}}));
    std::istringstream in(longest + "x\n");
    SatelliteCatalogue catalogue;
    const SatelliteListResult result = ReadSatelliteList(in, catalogue);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.reason.English(), "line 1 is longer than 8 KiB");
}

class SatelliteListFile : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zenbelts-list-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Path(const char* name) const { return (dir_ / name).string(); }

    std::filesystem::path dir_;
};

TEST_F(SatelliteListFile, RefusalsSayWhyAndLeaveTheCatalogue)
{
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    std::ofstream(Path("huge")).close();
    std::filesystem::resize_file(Path("huge"), SatelliteListMaxBytes + 1);
    std::ofstream(Path("long-line")) << "0130=New\n"
                                     << std::string(SatelliteListMaxLineBytes + 1, 'x') << "\n";
    std::ofstream(Path("words.lst")) << "# 0130=Alpha\nnothing here\n";
    std::ofstream(Path("set-up.zb"), std::ios::binary)
        << std::string("\x28\x0a\0\0\x0c\x12\0\0", 8) << std::string(536, '\0');
    const struct {
        const char* name;
        std::string path;
        std::string reason;
    } cases[] = {
        {"Missing", Path("none.lst"), "no such file"},
        {"Folder", dir_.string(), "it is a folder, not a file"},
        {"Fifo", Path("fifo"), "it is not a regular file"},
        {"EndlessDevice", "/dev/zero", "it is not a regular file"},
        {"TooLarge", Path("huge"), "it is larger than 8 MiB"},
        {"LongLine", Path("long-line"), "line 2 is longer than 8 KiB"},
        {"NoEntries", Path("words.lst"), "no satellites in words.lst: is it a satellite list?"},
        {"Binary", Path("set-up.zb"), "no satellites in set-up.zb: is it a satellite list?"},
    };
    for (const auto& c : cases) {
        SatelliteCatalogue catalogue;
        catalogue.InsertOrRename(192, "Kept");
        const auto start = std::chrono::steady_clock::now();
        const SatelliteListResult result = LoadSatelliteListFile(c.path, catalogue);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.name;
        EXPECT_FALSE(result) << c.name;
        EXPECT_EQ(result.reason.English(), c.reason) << c.name;
        ASSERT_EQ(catalogue.size(), 1u) << c.name;
        EXPECT_EQ(catalogue.begin()->name, "Kept") << c.name;
    }
}

TEST_F(SatelliteListFile, ListAtTheSizeLimitIsRead)
{
    std::string text = "0130=Alpha\n";
    const std::string filler = std::string(99, '#') + '\n';
    while (text.size() + filler.size() <= SatelliteListMaxBytes)
        text += filler;
    text.resize(SatelliteListMaxBytes, '#');
    std::ofstream(Path("full"), std::ios::binary) << text;
    SatelliteCatalogue catalogue;
    EXPECT_TRUE(LoadSatelliteListFile(Path("full"), catalogue));
    EXPECT_EQ(catalogue.size(), 1u);
}

// An installation in dir_/prefix, two system data folders and a user's list;
// each case makes some of them hold a list and names the one to be found.
TEST_F(SatelliteListFile, SearchOrder)
{
    namespace fs = std::filesystem;
    const fs::path bin = dir_ / "prefix" / "bin";
    const fs::path beside = bin / "sats.lst";
    const fs::path shared = dir_ / "prefix" / "share" / "zenbelts" / "sats.lst";
    const fs::path first = dir_ / "data1" / "zenbelts" / "sats.lst";
    const fs::path second = dir_ / "data2" / "zenbelts" / "sats.lst";
    const fs::path user = dir_ / "user" / "sats.lst";
    const std::string dataDirs = (dir_ / "data1").string() + ":" + (dir_ / "data2").string();
    const struct {
        const char* name;
        std::vector<fs::path> present;
        fs::path userList;
        fs::path expected;
    } cases[] = {
        {"BesideComesFirst", {beside, shared, first, second}, {}, beside},
        {"ThenTheInstallation", {shared, first, second}, {}, shared},
        {"ThenTheDataFoldersInOrder", {first, second}, {}, first},
        {"LastDataFolder", {second}, {}, second},
        {"NoneNamesBeside", {}, {}, beside},
        {"UserListBeforeAll", {user, beside, shared, first}, user, user},
        {"MissingUserListIsPassedOver", {shared}, user, shared},
    };
    for (const auto& c : cases) {
        fs::remove_all(dir_);
        fs::create_directories(bin);
        for (const fs::path& path : c.present) {
            fs::create_directories(path.parent_path());
            std::ofstream(path) << "0130=Alpha\n";
        }
        EXPECT_EQ(FindSatelliteList(bin, dataDirs, c.userList), c.expected) << c.name;
    }
}

TEST(SatelliteListPlaces, DataFoldersAsTheSystemGivesThem)
{
    namespace fs = std::filesystem;
    const fs::path bin = "/opt/zb/bin";
    const std::vector<fs::path> installed{"/opt/zb/bin/sats.lst", "/opt/zb/share/zenbelts/sats.lst"};
    const auto with = [&](std::vector<fs::path> more) {
        std::vector<fs::path> all = installed;
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };
    const struct {
        const char* name;
        std::string dataDirs;
        std::vector<fs::path> expected;
    } cases[] = {
        {"EmptyMeansTheDefaults", "",
         with({"/usr/local/share/zenbelts/sats.lst", "/usr/share/zenbelts/sats.lst"})},
        {"OneFolder", "/data", with({"/data/zenbelts/sats.lst"})},
        {"TrailingSlashesAndEmptyEntries",
         "::/a//:/b/:", with({"/a/zenbelts/sats.lst", "/b/zenbelts/sats.lst"})},
        {"RelativeFoldersIgnored", "share:./x:/c", with({"/c/zenbelts/sats.lst"})},
        {"OnlyRelativeFoldersLeaveTheInstallation", "share", installed},
        {"InstallationNotRepeated", "/opt/zb/share:/usr/share", with({"/usr/share/zenbelts/sats.lst"})},
        {"DuplicatesOnce", "/d:/d/", with({"/d/zenbelts/sats.lst"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SatelliteListPlaces(bin, c.dataDirs), c.expected) << c.name;
}

// The overload the programs call reads XDG_DATA_DIRS itself.
TEST_F(SatelliteListFile, SearchReadsXdgDataDirs)
{
    namespace fs = std::filesystem;
    const fs::path list = dir_ / "data" / "zenbelts" / "sats.lst";
    fs::create_directories(list.parent_path());
    std::ofstream(list) << "0130=Alpha\n";
    const char* saved = std::getenv("XDG_DATA_DIRS");
    const std::string previous = saved ? saved : "";
    ::setenv("XDG_DATA_DIRS",
             (dir_ / "nowhere").string().append(":").append((dir_ / "data").string()).c_str(), 1);
    const fs::path found = FindSatelliteList(dir_ / "bin");
    if (saved)
        ::setenv("XDG_DATA_DIRS", previous.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_DIRS");
    EXPECT_EQ(found, list);
}

}  // namespace
}  // namespace zenbelts
