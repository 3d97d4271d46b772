#include "SourceTree.h"
#include "catalogue/SatelliteList.h"
#include "cli/Cli.h"
#include "cli/CliFixture.h"
#include "model/MountSettings.h"
#include "model/Reach.h"
#include "model/Receiver.h"
#include "model/SettingsArchive.h"
#include "plot/ArcTable.h"
#include "text/AngleText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace zenbelts::cli {
namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

const fs::path& Samples()
{
    static const fs::path folder = ZENBELTS_SOURCE_DIR "/tests/core/data/receivers";
    return folder;
}

std::string Sample(const std::string& name)
{
    return (Samples() / name).string();
}

class ReceiverCommands : public CliFixture {
protected:
    void SetUp() override { MakeFolder("0000=Zero\n0130=Hot\n0192=Astra\n0770=Here\n1800=Far\n3550=West\n"); }
    void Write(const std::string& name, const std::string& text) const
    {
        std::ofstream(Path(name), std::ios::binary) << text;
    }
    SatelliteCatalogue Catalogue() const
    {
        SatelliteCatalogue c;
        EXPECT_TRUE(LoadSatelliteListFile(Path("sats.lst"), c));
        return c;
    }
    std::vector<int> Chosen(const std::string& name) const
    {
        std::vector<int> chosen;
        const MountSettings s = Read(name);
        for (int p = 0; p < PositionCount; ++p) {
            if (s.chosenSatellites.Test(p))
                chosen.push_back(p);
        }
        return chosen;
    }
};

// Every line of a written list: four digits, '=', a name; ascending.
void ExpectProgramList(const std::string& text, const std::string& what)
{
    std::istringstream in(text);
    std::string line;
    int previous = -1;
    while (std::getline(in, line)) {
        ASSERT_TRUE(std::regex_match(line, std::regex("[0-9]{4}=.+"))) << what << ": " << line;
        const int position = std::stoi(line.substr(0, 4));
        EXPECT_GT(position, previous) << what << ": " << line;
        EXPECT_LT(position, PositionCount) << what;
        previous = position;
    }
    EXPECT_EQ(text.back(), '\n') << what;
}

TEST_F(ReceiverCommands, ImportReadsEverySampleFormat)
{
    const struct {
        const char* name;
        std::vector<std::string> sources;
        std::vector<std::string> format;  // --format and its value, when given
        std::vector<std::string> lines;   // some lines the list must hold
        const char* counts;
    } cases[] = {
        {"xml",
         {Sample("satellites.xml")},
         {},
         {"0048=Astra 4A & SES 5", "1830=NSS 9", "3592=Thor 5/6/7 & Intelsat 10-02", "1800=Intelsat 18"},
         "read 10 entries, merged 3, skipped 0: 7 satellites\n"},
        {"sources",
         {Sample("sources.conf")},
         {},
         {"0192=Astra 1KR/1L/1M/2C", "1055=Asiasat 3S", "3550=Eutelsat 5 West A", "3592=Intelsat 10-02"},
         "read 26 entries, merged 0, skipped 0: 26 satellites\n"},
        {"ini folder",
         {Sample("ini")},
         {},
         {"0019=BulgariaSat 1", "3592=Thor 5,6,7, Intelsat 10-02"},
         "read 4 entries, merged 0, skipped 0: 4 satellites\n"},
        {"ini files", {Sample("ini/0192.ini"), Sample("ini/1800.ini")}, {}, {"0192=Astra 1KR,1L,1M,1N"}, ""},
        {"scan tables",
         {Sample("scan-tables")},
         {},
         {"0192=Astra", "2570=AMC1", "2690=Galaxy17", "3590=Thor"},
         "read 4 entries, merged 0, skipped 0: 4 satellites\n"},
        {"neumo",
         {Sample("sats.txt")},
         {},
         {"0192=19.2E", "3325=27.5W", "3592=0.8W"},
         "read 7 entries, merged 4, skipped 0: 3 satellites\n"},
        {"neumo named", {Sample("sats.txt")}, {"--format", "neumo"}, {"3592=0.8W"}, ""},
        {"several merged",
         {Sample("satellites.xml"), Sample("sources.conf")},
         {},
         {"0192=Astra 1N/1P & Astra 1KR/1L/1M/2C"},
         "read 36 entries, merged 10, skipped 0: 26 satellites\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"import"};
        args.insert(args.end(), c.sources.begin(), c.sources.end());
        args.insert(args.end(), c.format.begin(), c.format.end());
        args.insert(args.end(), {"-o", Path("out.lst")});
        ASSERT_EQ(Run(args), ExitOk) << c.name << ": " << err_.str();
        const std::string list = Bytes("out.lst");
        ExpectProgramList(list, c.name);
        for (const std::string& line : c.lines)
            EXPECT_THAT(list, HasSubstr(line + "\n")) << c.name;
        if (*c.counts) {
            EXPECT_EQ(err_.str(), c.counts) << c.name;
        }
        EXPECT_TRUE(out_.str().empty()) << c.name;
    }
}

TEST_F(ReceiverCommands, FormatReadsWhatDetectionCannotTell)
{
    // One line of four looks like a source: too few to tell.
    Write("mixed.txt", "S19.2E  Astra\nsome\nother\nlines\nS99.9Q  Broken\n");
    EXPECT_EQ(Run({"import", Path("mixed.txt"), "-o", Path("out.lst")}), ExitFailure);
    EXPECT_EQ(err_.str(), Path("mixed.txt") + ": cannot tell which format it is in\n");
    EXPECT_FALSE(fs::exists(Path("out.lst")));

    ASSERT_EQ(Run({"import", "--format", "sources", Path("mixed.txt"), "-o", Path("out.lst")}), ExitOk)
        << err_.str();
    EXPECT_EQ(Bytes("out.lst"), "0192=Astra\n");
    EXPECT_EQ(err_.str(), "read 1 entry, merged 0, skipped 1: 1 satellite\n");

    for (const char* refused : {"channels", "lamedb", "XML", "csv"}) {
        EXPECT_EQ(Run({"import", "--format", refused, Path("mixed.txt"), "-o", Path("x.lst")}), ExitFailure)
            << refused;
        EXPECT_THAT(err_.str(), HasSubstr("--format takes xml, sources, ini, scan-tables or neumo"))
            << refused;
    }
}

TEST_F(ReceiverCommands, ImportFailsWhenItFindsNone)
{
    fs::create_directories(dir_ / "empty");
    Write("none.xml",
          "<?xml version=\"1.0\"?>\n<satellites>\n<sat name=\"x\" position=\"oops\">\n</satellites>\n");
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {"no satellite in it",
         {Path("none.xml")},
         "found no satellites in the sources (read 0 entries, merged 0, skipped 1)"},
        {"empty folder", {Path("empty")}, "found no satellites in the sources (read 0 entries"},
        {"channel list",
         {Sample("channels.conf")},
         "channels.conf: a list of channels (channels) names positions"},
        {"missing", {Path("missing.xml")}, "missing.xml: no such file"},
        {"folder as xml",
         {"--format", "xml", Sample("ini")},
         "a folder is read as .ini files or scan tables"},
        {"no source", {}, "import needs one or more files or folders"},
        {"over its source", {Path("none.xml"), "-o", Path("none.xml")}, "refused as the output"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"import"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        if (std::find(args.begin(), args.end(), "-o") == args.end())
            args.insert(args.end(), {"-o", Path("out.lst")});
        EXPECT_EQ(Run(args), ExitFailure) << c.name;
        EXPECT_THAT(err_.str(), HasSubstr(c.message)) << c.name;
        const std::string message = err_.str();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << c.name;
        EXPECT_FALSE(fs::exists(Path("out.lst"))) << c.name;
    }
    EXPECT_THAT(Bytes("none.xml"), HasSubstr("oops"));
}

// Names that merge past a line of the list, or one name longer than a line:
// the list import writes is one the tool reads, and --sats loses nothing.
TEST_F(ReceiverCommands, HostileSourcesGiveAListThatReadsBack)
{
    std::string merging;  // 3.8 KB of Windows-1252 that grows to over 8 KiB
    for (int k = 0; k < 100; ++k)
        merging
            += "S19.2E " + std::string(28, '\x80') + std::to_string(k % 10) + std::to_string(k / 10) + "\n";
    Write("merging.conf", merging);
    ASSERT_EQ(Run({"import", "--format", "sources", Path("merging.conf"), "-o", Path("out.lst")}), ExitOk)
        << err_.str();
    EXPECT_EQ(err_.str(), "read 100 entries, merged 99, skipped 0, cut 1 name to fit a line: 1 satellite\n");
    ASSERT_EQ(Run({"new", "--sats", Path("out.lst"), "-o", Path("a.zb")}), ExitOk) << err_.str();
    EXPECT_EQ(Chosen("a.zb"), std::vector<int>{192});

    Write("big.conf", "S13.0E Hot Bird\nS19.2E " + std::string(3u << 20, '\x80') + "\nS28.2E Astra 2\n");
    ASSERT_EQ(Run({"arc", "--json", "--sats", Path("big.conf"), Path("a.zb")}), ExitOk) << err_.str();
    const std::string json = out_.str();
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), 3) << json.substr(0, 300);
    EXPECT_THAT(json, HasSubstr("\"name\": \"Astra 2\""));
}

// Whatever a source folder holds is an input too, by any of its names.
TEST_F(ReceiverCommands, ImportAndChooseNeverWriteOverASource)
{
    fs::copy(Samples() / "ini", dir_ / "ini");
    fs::create_hard_link(dir_ / "ini" / "1800.ini", dir_ / "other.ini");
    ASSERT_EQ(Run({"new", "-o", Path("h.zb")}), ExitOk);
    const std::string before = Bytes("ini/0192.ini");
    const std::vector<std::string> cases[] = {
        {"import", Path("ini"), "-o", Path("ini/0192.ini")},
        {"import", Path("ini"), "-o", Path("other.ini")},
        {"choose", Path("h.zb"), Path("ini"), "-o", Path("ini/0019.ini")},
        {"arc", Path("h.zb"), "--sats", Path("ini")},  // no output: allowed
    };
    for (const auto& args : cases) {
        const bool writes = args[0] != "arc";
        EXPECT_EQ(Run(args), writes ? ExitFailure : ExitOk) << args[0] << " " << args.back() << err_.str();
        if (writes) {
            EXPECT_EQ(err_.str(), args.back() + ": refused as the output: it is the input file\n");
        }
    }
    EXPECT_EQ(Bytes("ini/0192.ini"), before);
    EXPECT_EQ(Run({"new", "--sats", Path("ini"), "-o", Path("ini/3592.ini")}), ExitFailure);
    EXPECT_THAT(err_.str(), HasSubstr("refused as the output"));
}

TEST_F(ReceiverCommands, SatsTakesReceiverFilesAsTheListWouldBeImported)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    for (const std::string& source : {Sample("satellites.xml"), Sample("ini"), Sample("sats.txt")}) {
        ASSERT_EQ(Run({"import", source, "-o", Path("imported.lst")}), ExitOk) << source;
        ASSERT_EQ(Run({"arc", "--json", "--sats", Path("imported.lst"), Path("a.zb")}), ExitOk) << source;
        const std::string viaList = out_.str();
        ASSERT_EQ(Run({"arc", "--json", "--sats", source, Path("a.zb")}), ExitOk) << source << err_.str();
        EXPECT_EQ(out_.str(), viaList) << source;
        EXPECT_TRUE(err_.str().empty()) << source;
    }
    ASSERT_EQ(Run({"arc", "--sats", Sample("satellites.xml"), Path("a.zb")}), ExitOk);
    EXPECT_THAT(out_.str(), HasSubstr("Hispasat 30W-5/30W-6\n"));

    // A new set-up chooses from the receiver's list as from its own.
    ASSERT_EQ(Run({"new", "--sats", Sample("sources.conf"), "-o", Path("b.zb")}), ExitOk) << err_.str();
    // Every tenth of its 26 positions in ascending order.
    EXPECT_EQ(Chosen("b.zb"), (std::vector<int>{30, 192, 1800}));

    EXPECT_EQ(Run({"arc", "--sats", Sample("channels.conf"), Path("a.zb")}), ExitFailure);
    EXPECT_THAT(err_.str(), HasSubstr("names positions, not satellites"));
}

TEST_F(ReceiverCommands, ChooseMakesOrAddsThePositionsTheFilesName)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Chosen("a.zb"), std::vector<int>{0});
    Write("lamedb",
          "eDVB services /4/\ntransponders\n00c00000:0437:0001\n\ts 11778000:27500000:1:3:192:2:0\n/\n"
          "00820000:0001:0002\n\ts 10719000:27500000:1:3:-50:2:0\n/\n\ts broken\n/\nend\n");
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::vector<int> chosen;
        const char* counts;
    } cases[] = {
        {"channels",
         {Sample("channels.conf")},
         {192},
         "read 6 entries, merged 5, skipped 0: 1 position chosen\n"},
        {"channels added",
         {Sample("channels.conf"), "--add"},
         {0, 192},
         "read 6 entries, merged 5, skipped 0: 1 position added\n"},
        {"lamedb",
         {Path("lamedb")},
         {192, 3550},
         "read 2 entries, merged 0, skipped 1: 2 positions chosen\n"},
        {"scan tables and xml",
         {Sample("scan-tables"), Sample("satellites.xml")},
         {48, 130, 192, 1800, 1830, 2570, 2690, 3300, 3590, 3592},
         ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"choose", Path("a.zb")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.insert(args.end(), {"-o", Path("b.zb")});
        ASSERT_EQ(Run(args), ExitOk) << c.name << ": " << err_.str();
        EXPECT_EQ(Chosen("b.zb"), c.chosen) << c.name;
        if (*c.counts) {
            EXPECT_EQ(err_.str(), c.counts) << c.name;
        }
        // Nothing else of the set-up moves.
        MountSettings expected = Read("a.zb"), got = Read("b.zb");
        got.chosenSatellites = expected.chosenSatellites;
        EXPECT_EQ(StoreSettings(got), StoreSettings(expected)) << c.name;
    }
    EXPECT_EQ(Chosen("a.zb"), std::vector<int>{0});

    // Without -o the set-up itself changes.
    ASSERT_EQ(Run({"choose", Path("a.zb"), Path("lamedb")}), ExitOk);
    EXPECT_EQ(Chosen("a.zb"), (std::vector<int>{192, 3550}));

    Write("empty.conf", "# nothing\n");
    EXPECT_EQ(Run({"choose", Path("a.zb"), Path("lamedb"), Path("empty.conf")}), ExitFailure);
    EXPECT_THAT(err_.str(), HasSubstr("empty.conf: cannot tell which format"));
    EXPECT_EQ(Run({"choose", Path("a.zb"), Path("lamedb"), "-o", Path("lamedb")}), ExitFailure);
    EXPECT_THAT(err_.str(), HasSubstr("refused as the output"));
    EXPECT_EQ(Run({"choose", Path("a.zb")}), ExitFailure);
    EXPECT_THAT(err_.str(), HasSubstr("choose needs a file and one or more"));
    EXPECT_EQ(Chosen("a.zb"), (std::vector<int>{192, 3550}));
}

double Field(const std::string& row, const std::string& name)
{
    const std::regex pattern("\"" + name + "\": ([-+0-9.eE]+)");
    std::smatch match;
    EXPECT_TRUE(std::regex_search(row, match, pattern)) << name << " in " << row;
    return match.empty() ? 0.0 : std::strtod(match[1].str().c_str(), nullptr);
}

TEST_F(ReceiverCommands, ArcGivesTheReceiversAngleMissAndCommand)
{
    ASSERT_EQ(Run({"new", "--lat", "-2000", "--lon", "-4000", "-o", Path("south.zb")}), ExitOk);
    ASSERT_EQ(Run({"new", "-o", Path("north.zb")}), ExitOk);
    for (const char* file : {"north.zb", "south.zb"}) {
        const MountSettings s = Read(file);
        const std::vector<ArcRow> rows = ComputeArcTable(s, Catalogue());
        ASSERT_EQ(Run({"arc", "--json", Path(file)}), ExitOk) << err_.str();
        std::istringstream json(out_.str());
        std::string line;
        std::size_t i = 0;
        while (std::getline(json, line)) {
            if (line.find('{') == std::string::npos)
                continue;
            ASSERT_LT(i, rows.size()) << file;
            const ArcRow& r = rows[i++];
            const double receiver = ReceiverMotorAngleAt(s, r.position);
            EXPECT_EQ(Field(line, "receiverAngle"), receiver) << file << " " << r.position;
            EXPECT_EQ(Field(line, "receiverMiss"), Field(line, "motorAngle") - receiver)
                << file << " " << r.position;
            EXPECT_THAT(line, HasSubstr("\"gotoX\": \"" + GotoXText(r.motorAngle) + "\"}")) << file;
            // The receiver turns the way the mount does.
            if (r.elevation > 5 && std::fabs(receiver) > 1) {
                EXPECT_EQ(receiver > 0, r.motorAngle > 0) << file << " " << r.position;
            }
        }
        EXPECT_EQ(i, rows.size()) << file;
    }

    ASSERT_EQ(Run({"arc", Path("north.zb")}), ExitOk);
    const std::string text = out_.str();
    EXPECT_THAT(text, HasSubstr("Elevation  Receiver  R.miss  Name\n"));
    // Due south the receiver says 0 as the mount does.
    EXPECT_THAT(text, HasSubstr("+0.00   -0.25   40.0       +0.00     +0.00   Here\n"));
    EXPECT_THAT(text, HasSubstr("Receiver: degrees"));
}

TEST_F(ReceiverCommands, UsalsFindsTheSiteToEnter)
{
    Write("sats.lst", "0300=A\n0500=B\n0700=C\n0900=D\n1100=E\n1300=F\n");
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Run({"set", Path("a.zb"), "chosen+=500", "chosen+=700", "chosen+=900", "chosen+=1100",
                   "chosen+=1300"}),
              ExitOk)
        << err_.str();
    const UsalsSite site = FindUsalsSite(Read("a.zb"), Catalogue());
    ASSERT_EQ(site.targets, 6);

    ASSERT_EQ(Run({"usals", "--json", Path("a.zb")}), ExitOk) << err_.str();
    const std::string json = out_.str();
    EXPECT_THAT(json, HasSubstr("\"latitude\": " + std::to_string(site.latitude) + ","));
    EXPECT_THAT(json, HasSubstr("\"longitude\": " + std::to_string(site.longitude) + ","));
    EXPECT_EQ(Field(json, "worstBefore"), site.worstBefore);
    EXPECT_EQ(Field(json, "worstAfter"), site.worstAfter);
    EXPECT_LE(site.worstAfter, site.worstBefore);

    ASSERT_EQ(Run({"usals", Path("a.zb")}), ExitOk);
    char worst[64];
    std::snprintf(worst, sizeof worst, "%.3f\u00b0 with the true site, %.3f\u00b0 with this one",
                  site.worstBefore, site.worstAfter);
    EXPECT_THAT(out_.str(),
                HasSubstr("Enter this site into the receiver: " + FormatTenths(site.latitude, 'N', 'S') + ", "
                          + FormatTenths(site.longitude, 'E', 'W') + "\n"));
    EXPECT_THAT(out_.str(), HasSubstr(worst));

    // Near the pole nothing stands high enough: the true site stays.
    ASSERT_EQ(Run({"new", "--lat", "5300", "-o", Path("pole.zb")}), ExitOk);
    ASSERT_EQ(Run({"usals", Path("pole.zb")}), ExitOk);
    EXPECT_THAT(out_.str(), HasSubstr("Fewer than two chosen satellites"));
    EXPECT_THAT(out_.str(), HasSubstr("88.3\u00b0N, 77.0\u00b0E"));
    ASSERT_EQ(Run({"usals", "--json", Path("pole.zb")}), ExitOk);
    EXPECT_EQ(out_.str(), "{\"latitude\": 883, \"longitude\": 770, \"targets\": 0, \"worstBefore\": 0, "
                          "\"worstAfter\": 0}\n");

    EXPECT_EQ(Run({"usals"}), ExitFailure);
    EXPECT_THAT(err_.str(), HasSubstr("usals takes one file"));
}

// A chimney over 19.2°E, every satellite of the list chosen.
TEST_F(ReceiverCommands, PositionsGiveTheSlotsTheLimitsAndTheCommands)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    std::vector<std::string> set{"set", Path("a.zb")};
    for (int p : {130, 192, 770, 1800, 3550})
        set.push_back("chosen+=" + std::to_string(p));
    const int azimuth = static_cast<int>(std::lround(RingBearing(Read("a.zb"), 19.2).azimuth * 10));
    set.push_back("horizon=" + std::to_string(azimuth - 30) + ":0," + std::to_string(azimuth) + ":450,"
                  + std::to_string(azimuth + 30) + ":0");
    ASSERT_EQ(Run(set), ExitOk) << err_.str();

    ASSERT_EQ(Run({"arc", "--json", Path("a.zb")}), ExitOk);
    EXPECT_THAT(out_.str(), HasSubstr("\"label\": \"19.2\u00b0E\", \"name\": \"Astra\", \"chosen\": true"));
    EXPECT_EQ(std::regex_search(out_.str(), std::regex("\"name\": \"Astra\"[^}]*\"reachable\": false, "
                                                       "\"hiddenBy\": \"horizon\"")),
              true)
        << out_.str();
    EXPECT_TRUE(std::regex_search(out_.str(), std::regex("\"name\": \"Hot\"[^}]*\"reachable\": true, "
                                                         "\"hiddenBy\": null")));

    ASSERT_EQ(Run({"positions", "--json", "--margin", "1.5", Path("a.zb")}), ExitOk) << err_.str();
    const std::string json = out_.str();
    // 77.0°E overhead at motor 0, 13.0°E west of it; 0.0° is too low for
    // the motor's 75 degrees, 19.2°E behind the chimney, the others down.
    EXPECT_THAT(json,
                HasSubstr("{\"slot\": 1, \"position\": 770, \"label\": \"77.0\u00b0E\", \"name\": \"Here\", "
                          "\"motorAngle\": "));
    EXPECT_THAT(json, HasSubstr("\"gotoX\": \"E0 31 6E D0 00\", \"receiverAngle\": 0, \"turnSeconds\": "));
    EXPECT_THAT(json, HasSubstr("{\"slot\": 2, \"position\": 130,"));
    EXPECT_THAT(json, HasSubstr("{\"position\": 192, \"hiddenBy\": \"horizon\"}"));
    EXPECT_THAT(json, HasSubstr("{\"position\": 1800, \"hiddenBy\": \"horizon\"}"));
    EXPECT_THAT(json, HasSubstr("{\"east\": 1.50000000000"));
    EXPECT_THAT(
        json,
        HasSubstr("{\"bytes\": \"E0 31 6A 02\", \"what\": \"Store this position as slot 2 (13.0\u00b0E)\"}"));

    ASSERT_EQ(Run({"positions", Path("a.zb")}), ExitOk);
    EXPECT_THAT(
        out_.str(),
        HasSubstr("1     77.0\u00b0E     0.0\u00b0E    0.0\u00b0E     0.0 s    E0 31 6E D0 00  Here\n"));
    EXPECT_THAT(out_.str(), HasSubstr("19.2\u00b0E (hidden by the horizon)"));
    EXPECT_THAT(out_.str(), HasSubstr("E0 31 63        Limits off"));

    ASSERT_EQ(Run({"positions", "--csv", Path("a.zb")}), ExitOk);
    EXPECT_THAT(out_.str(), HasSubstr("1,77.0E,Here,0.00,E0 31 6E D0 00,0.00,0.0\n"));

    EXPECT_EQ(Run({"positions", "--margin", "31", Path("a.zb")}), ExitFailure);
    EXPECT_THAT(err_.str(), HasSubstr("--margin: 31 is not a number of degrees from 0 to 30"));
    EXPECT_EQ(Run({"positions", "--speed", "0", Path("a.zb")}), ExitFailure);
    EXPECT_EQ(Run({"positions", "--json", "--csv", Path("a.zb")}), ExitFailure);
}

}  // namespace
}  // namespace zenbelts::cli
