#include "cli/Cli.h"
#include "cli/CliFixture.h"
#include "model/MountSettings.h"
#include "model/SettingsArchive.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace zenbelts::cli {
namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using testing::StartsWith;

class Cli : public CliFixture {
protected:
    void SetUp() override { MakeFolder("0000=Zero\n0130=Hot\n0770=Here\n1800=Far\n3550=West\n"); }
};

TEST_F(Cli, NewWritesTheFactorySetUpWithEveryTenthEntry)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk) << err_.str();
    EXPECT_EQ(Bytes("a.zb").size(), 544u);
    const MountSettings s = Read("a.zb");
    EXPECT_EQ(s.latitude, 2600);
    EXPECT_EQ(s.declination, -64);
    EXPECT_TRUE(s.chosenSatellites.Test(0));
    EXPECT_FALSE(s.chosenSatellites.Test(130));
}

TEST_F(Cli, NewAtALocationRelocates)
{
    ASSERT_EQ(Run({"new", "--lat", "-2600", "--alt", "250", "-o", Path("s.zb")}), ExitOk) << err_.str();
    const MountSettings s = Read("s.zb");
    EXPECT_EQ(s.latitude, -2600);
    EXPECT_EQ(s.longitude, 4620);
    EXPECT_EQ(s.altitude, 250);
    EXPECT_EQ(s.motorElevationAuto, -466);
    EXPECT_EQ(s.declination, 64);
}

TEST_F(Cli, ShowJsonHasEveryFieldAndTheFrames)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Run({"show", "--json", Path("a.zb")}), ExitOk) << err_.str();
    const std::string json = out_.str();
    for (const IntegerField& f : IntegerFields)
        EXPECT_THAT(json, HasSubstr(std::string("\"").append(f.name).append("\": "))) << f.name;
    EXPECT_THAT(json, HasSubstr("\"motorElevationAuto\": 466"));
    EXPECT_THAT(json, HasSubstr("\"chosenSatellites\": [0]"));
    EXPECT_THAT(json, HasSubstr("\"siteFrame\": [0.15464488443217997, "));
    EXPECT_THAT(json, HasSubstr("\"mountFrame\": ["));
}

TEST_F(Cli, ShowListsInDisplayFormats)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Run({"show", Path("a.zb")}), ExitOk);
    EXPECT_THAT(out_.str(), HasSubstr("43\u00b020'N, 77\u00b000'E"));
    EXPECT_THAT(out_.str(), HasSubstr("46.6\u00b0N"));
    EXPECT_THAT(out_.str(), HasSubstr("6.4\u00b0S"));
    EXPECT_THAT(out_.str(), HasSubstr("0.0\u00b0"));
}

TEST_F(Cli, SetAppliesAssignmentsInOrder)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Run({"set", Path("a.zb"), "poleNSMin=-200", "poleNSMax=200", "poleNS=150", "motorAzimuth=-30",
                   "autoDeclination=0", "declination=-150", "lockSatellites=1", "chosen+=3550", "chosen-=0",
                   "-o", Path("b.zb")}),
              ExitOk)
        << err_.str();
    const MountSettings s = Read("b.zb");
    EXPECT_EQ(s.poleNS, 150);
    EXPECT_EQ(s.motorAzimuth, -30);
    EXPECT_EQ(s.autoDeclination, 0);
    EXPECT_EQ(s.declination, -150);
    EXPECT_EQ(s.lockSatellites, 1);
    EXPECT_TRUE(s.chosenSatellites.Test(3550));
    EXPECT_FALSE(s.chosenSatellites.Test(0));
    EXPECT_EQ(Read("a.zb").poleNS, 0) << "the input stays as it was";
}

TEST_F(Cli, SetNarrowingALimitPullsTheValueIn)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Run({"set", Path("a.zb"), "poleEW=40", "poleEWMax=20"}), ExitOk) << err_.str();
    EXPECT_EQ(Read("a.zb").poleEW, 20);
}

TEST_F(Cli, SetLocationRelocates)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Run({"set", Path("a.zb"), "poleNS=30", "latitude=3000"}), ExitOk) << err_.str();
    const MountSettings s = Read("a.zb");
    EXPECT_EQ(s.poleNS, 0);
    EXPECT_EQ(s.motorElevation, 399);
    EXPECT_EQ(s.declination, -71);
}

TEST_F(Cli, SetAndShowTheHorizonTheMotorsLimitsAndTheDishsSize)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Run({"set", Path("a.zb"), "horizon=2100:300,1800:150", "motorEast=650", "motorWest=700",
                   "dishDiameter=120"}),
              ExitOk)
        << err_.str();
    ASSERT_EQ(Run({"show", "--json", Path("a.zb")}), ExitOk);
    EXPECT_THAT(out_.str(), HasSubstr("\"motorEast\": 650, \"motorWest\": 700, \"dishDiameter\": 120"));
    EXPECT_THAT(out_.str(), HasSubstr("\"horizon\": [[1800, 150], [2100, 300]]")) << "by azimuth";
    // Flat again, and the default limits and size: the file of old.
    ASSERT_EQ(Run({"set", Path("a.zb"), "horizon=", "motorEast=750", "motorWest=750", "dishDiameter=80"}),
              ExitOk);
    EXPECT_EQ(Bytes("a.zb").size(), 544u);
    ASSERT_EQ(Run({"set", Path("a.zb"), "horizon=900:0,2700:0"}), ExitOk);
    EXPECT_EQ(Bytes("a.zb").size(), 544u) << "a mask at 0 all round is the flat horizon";
}

TEST_F(Cli, RefusedAssignmentsWriteNothing)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    const std::string before = Bytes("a.zb");
    const struct {
        const char* assignment;
        const char* why;
    } cases[] = {
        {"poleNS=51", "outside its current range -50..50"},
        {"declination=-60", "while autoDeclination is on"},
        {"poleNSMin=50", "must lie below the upper one"},
        {"motorElevationMax=0", "-1799..-1 and 1..1800"},
        {"latitude=5401", "-5400..5400"},
        {"altitude=abc", "not a whole number"},
        {"chosen+=3600", "0..3599"},
        {"lockSatellites=2", "0 or 1"},
        {"declinationAuto=3", "computed"},
        {"colour=3", "unknown name"},
        {"poleNS", "NAME=VALUE"},
        {"horizon=1800:150,2100", "\"2100\" is not AZIMUTH:ELEVATION"},
        {"horizon=3600:10", "0..3599"},
        {"horizon=100:901", "0..900"},
        {"horizon=100:10,100:20", "the azimuth 100 is given twice"},
        {"motorEast=901", "0..900 tenths"},
        {"dishDiameter=19", "20..600 centimetres"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run({"set", Path("a.zb"), "poleNS=10", c.assignment}), ExitFailure) << c.assignment;
        EXPECT_THAT(err_.str(), StartsWith(Path("a.zb") + ": " + c.assignment + " is refused: "));
        EXPECT_THAT(err_.str(), HasSubstr(c.why)) << c.assignment;
        EXPECT_EQ(ErrorLines(), 1);
        EXPECT_EQ(Bytes("a.zb"), before) << c.assignment;
    }
}

TEST_F(Cli, BadFilesAreNamedAndExplained)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    std::string bytes = Bytes("a.zb");
    std::ofstream(Path("short.zb"), std::ios::binary) << bytes.substr(0, 539);
    bytes.replace(16, 4, std::string("\x32\0\0\0", 4));  // poleNSMin = poleNSMax = 50
    std::ofstream(Path("north.zb"), std::ios::binary) << bytes;

    EXPECT_EQ(Run({"show", Path("north.zb")}), ExitFailure);
    EXPECT_EQ(err_.str(), Path("north.zb")
                              + ": not a valid Zenbelt file: the pole north/south limits are out of range\n");
    EXPECT_EQ(Run({"show", Path("short.zb")}), ExitFailure);
    EXPECT_EQ(err_.str(), Path("short.zb") + ": not a valid Zenbelt file: it ends early\n");
    EXPECT_EQ(Run({"show", Path("missing.zb")}), ExitFailure);
    EXPECT_THAT(err_.str(), StartsWith(Path("missing.zb") + ": cannot open it"));
    EXPECT_EQ(Run({"set", Path("short.zb"), "poleNS=1"}), ExitFailure);
    EXPECT_EQ(Bytes("short.zb").size(), 539u);
}

TEST_F(Cli, UsageErrors)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"frobnicate"},
                                                 {"new"},
                                                 {"show"},
                                                 {"show", "a", "b"},
                                                 {"new", "--lat"},
                                                 {"new", "--lat", "x", "-o", "a.zb"},
                                                 {"show", "--bogus", "a.zb"}}) {
        EXPECT_EQ(Run(args), ExitFailure);
        EXPECT_EQ(ErrorLines(), 1) << err_.str();
    }
    EXPECT_EQ(Run({"--help"}), ExitOk);
    EXPECT_THAT(out_.str(), HasSubstr("zenbelts-cli new"));
}

TEST_F(Cli, NewRefusesAnInvalidLocationAndAMissingList)
{
    EXPECT_EQ(Run({"new", "--lon", "-10800", "-o", Path("a.zb")}), ExitFailure);
    EXPECT_FALSE(fs::exists(Path("a.zb")));
    EXPECT_EQ(Run({"new", "--sats", Path("none.lst"), "-o", Path("a.zb")}), ExitFailure);
    EXPECT_THAT(err_.str(), HasSubstr("Unable to load sats.lst"));
    EXPECT_FALSE(fs::exists(Path("a.zb")));
}

TEST_F(Cli, AFailedWriteLeavesTheOldFileAndNoTemporary)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    fs::create_directories(dir_ / "ro");
    ASSERT_EQ(Run({"new", "-o", (dir_ / "ro" / "b.zb").string()}), ExitOk);
    const std::string before = Bytes("ro/b.zb");
    fs::permissions(dir_ / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    // Root may write anyway; the check below holds either way.
    const int code = Run({"set", Path("a.zb"), "poleNS=20", "-o", (dir_ / "ro" / "b.zb").string()});
    fs::permissions(dir_ / "ro", fs::perms::owner_all);
    if (code == ExitFailure) {
        EXPECT_EQ(Bytes("ro/b.zb"), before);
        EXPECT_THAT(err_.str(), HasSubstr("cannot write it"));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "ro"), fs::directory_iterator()), 1);
    // A target that is a folder cannot be replaced.
    EXPECT_EQ(Run({"set", Path("a.zb"), "poleNS=20", "-o", dir_.string()}), ExitFailure);
    EXPECT_TRUE(fs::is_directory(dir_));
}

TEST_F(Cli, RenderDrawsTheWindowsPlotAsPng)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Run({"render", Path("a.zb"), "-o", Path("a.png")}), ExitOk) << err_.str();
    QImage image(QString::fromStdString(Path("a.png")));
    ASSERT_EQ(image.size(), QSize(600, 400));
    EXPECT_EQ(image.pixel(300, 169), qRgb(0, 0, 0)) << "77.0 E, a plain mark";
    EXPECT_EQ(image.pixel(300, 162), qRgb(255, 192, 192)) << "the beam";
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));

    ASSERT_EQ(Run({"render", Path("a.zb"), "--size", "1200x300", "-o", Path("b.png")}), ExitOk);
    EXPECT_EQ(QImage(QString::fromStdString(Path("b.png"))).size(), QSize(1200, 300));
    EXPECT_EQ(Run({"render", Path("a.zb"), "--size", "0x300", "-o", Path("c.png")}), ExitFailure);
    EXPECT_EQ(Run({"render", Path("a.zb")}), ExitFailure) << "no output named";
    EXPECT_FALSE(fs::exists(Path("c.png")));
}

TEST_F(Cli, PrintWritesOneA4PageWithRealText)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Run({"print", Path("a.zb"), "-o", Path("a.pdf")}), ExitOk) << err_.str();
    const std::string pdf = Bytes("a.pdf");
    ASSERT_EQ(pdf.rfind("%PDF", 0), 0u);
    std::size_t pages = 0;
    for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
         at = pdf.find("/Type /Page\n", at + 1))
        ++pages;
    EXPECT_EQ(pages, 1u);
    EXPECT_NE(pdf.find("/MediaBox [0 0 595"), std::string::npos) << "A4 portrait";
    // Text is kept as fonts and glyphs, not pixels: the legend's fixed-pitch
    // face and the labels' face are embedded.
    EXPECT_NE(pdf.find("Mono"), std::string::npos);
    EXPECT_NE(pdf.find("/FontFile2"), std::string::npos);
}

TEST_F(Cli, ArcListsEveryEntryWithItsAngles)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Run({"arc", "--json", Path("a.zb")}), ExitOk) << err_.str();
    const std::string json = out_.str();
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), 5);
    EXPECT_THAT(
        json, HasSubstr("{\"position\": 0, \"label\": \"0.0\u00b0\", \"name\": \"Zero\", \"chosen\": true"));
    EXPECT_THAT(json, HasSubstr("\"label\": \"5.0\u00b0W\", \"name\": \"West\", \"chosen\": false"));

    ASSERT_EQ(Run({"arc", Path("a.zb")}), ExitOk);
    const std::string text = out_.str();
    // 77.0 E is due south: motor angle 0, a quarter degree below the beam,
    // about 40 degrees up.
    EXPECT_THAT(text, HasSubstr("0770  77.0\u00b0E            +0.00   -0.25   40.0"));
}

TEST_F(Cli, OptimiseWritesTheBetterMountAndReportsBeforeAndAfter)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    // The whole visible ring, the motor's limits aside.
    ASSERT_EQ(Run({"set", Path("a.zb"), "motorEast=900", "motorWest=900"}), ExitOk) << err_.str();
    ASSERT_EQ(Run({"optimise", Path("a.zb"), "--ring", "-o", Path("b.zb")}), ExitOk) << err_.str();
    EXPECT_THAT(
        out_.str(),
        HasSubstr("Before: motor elevation 46.6\u00b0N, declination 6.4\u00b0S, worst miss 0.314\u00b0"));
    EXPECT_THAT(
        out_.str(),
        HasSubstr("After:  motor elevation 45.8\u00b0N, declination 5.9\u00b0S, worst miss 0.050\u00b0"));
    const MountSettings s = Read("b.zb");
    EXPECT_EQ(s.motorElevation, 458);
    EXPECT_EQ(s.declination, -59);
    EXPECT_EQ(s.autoDeclination, 0);
    EXPECT_EQ(Read("a.zb").motorElevation, 466);

    ASSERT_EQ(Run({"new", "--lat", "5300", "-o", Path("pole.zb")}), ExitOk);
    EXPECT_EQ(Run({"optimise", Path("pole.zb")}), ExitFailure);
    EXPECT_THAT(err_.str(), HasSubstr("nothing to optimise"));
}

TEST_F(Cli, ArcReadsNamesFromEitherPlatform)
{
    std::ofstream(Path("sats.lst"), std::ios::binary) << "0130=Caf\xe9 \x80\n0192=Caf\xc3\xa9\n";
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Run({"arc", "--json", Path("a.zb")}), ExitOk);
    EXPECT_THAT(out_.str(), HasSubstr("\"name\": \"Caf\u00e9 \u20ac\""));
    EXPECT_THAT(out_.str(), HasSubstr("\"name\": \"Caf\u00e9\""));
}

TEST_F(Cli, SizeTakesTwoPlainPositiveNumbers)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    const struct {
        const char* size;
        bool accepted;
    } cases[] = {
        {"600x400", true},
        {"1x1", true},
        {"20000x12", true},
        {"12x20000", true},
        {" 600x400", false},
        {"600x400 ", false},
        {"600 x400", false},
        {"+600x+400", false},
        {"600x+400", false},
        {"-600x400", false},
        {"4294967896x400", false},
        {"600x4294967696", false},
        {"0x5", false},
        {"5x0", false},
        {"20001x400", false},
        {"600x20001", false},
        {"600X400", false},
        {"600x", false},
        {"x400", false},
        {"600x400x2", false},
        {"6e2x400", false},
        {"600.0x400", false},
        {"", false},
        {"600\nx400", false},
    };
    for (const auto& c : cases) {
        fs::remove(Path("out.png"));
        const int code = Run({"render", Path("a.zb"), "--size", c.size, "-o", Path("out.png")});
        EXPECT_EQ(code, c.accepted ? ExitOk : ExitFailure) << "'" << c.size << "' " << err_.str();
        EXPECT_EQ(fs::exists(Path("out.png")), c.accepted) << "'" << c.size << "'";
        if (!c.accepted) {
            EXPECT_EQ(ErrorLines(), 1) << "'" << c.size << "'";
            EXPECT_THAT(err_.str(), HasSubstr("--size takes WIDTHxHEIGHT")) << "'" << c.size << "'";
        }
    }
    EXPECT_EQ(Run({"print", Path("a.zb"), "--window", "600x400 ", "-o", Path("a.pdf")}), ExitFailure);
    EXPECT_THAT(err_.str(), HasSubstr("--window takes WIDTHxHEIGHT"));
    EXPECT_FALSE(fs::exists(Path("a.pdf")));
}

TEST_F(Cli, TinyWindowsRenderTheBackgroundOnly)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    for (const char* size : {"600x11", "600x16", "16x400", "12x11"}) {
        ASSERT_EQ(Run({"render", Path("a.zb"), "--size", size, "-o", Path("t.png")}), ExitOk) << size;
        const QImage image(QString::fromStdString(Path("t.png")));
        ASSERT_FALSE(image.isNull()) << size;
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                drawn += image.pixel(x, y) != qRgb(255, 255, 255);
        }
        EXPECT_EQ(drawn, 0) << size;
    }
    // The flattest plot that is drawn at all.
    ASSERT_EQ(Run({"render", Path("a.zb"), "--size", "20000x17", "-o", Path("t.png")}), ExitOk);
    EXPECT_EQ(QImage(QString::fromStdString(Path("t.png"))).size(), QSize(20000, 17));
}

TEST_F(Cli, RenderAndPrintRefuseToReplaceTheirInput)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    const std::string before = Bytes("a.zb");
    fs::create_symlink("a.zb", dir_ / "link.zb");
    fs::create_directories(dir_ / "sub");
    for (const char* command : {"render", "print"}) {
        for (const std::string& output :
             {Path("a.zb"), Path("link.zb"), (dir_ / "sub" / ".." / "a.zb").string()}) {
            EXPECT_EQ(Run({command, Path("a.zb"), "-o", output}), ExitFailure) << command << " " << output;
            EXPECT_EQ(err_.str(), output + ": refused as the output: it is the input file\n");
            EXPECT_EQ(Bytes("a.zb"), before) << command << " " << output;
        }
    }
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.zb"));
}

// Every command refuses to write over any file it reads: its set-up (where
// it does not change that very set-up), the list, the observations, through
// a link or under another name of the same file.
TEST_F(Cli, NoCommandWritesOverAnyOfItsInputs)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    std::ofstream(Path("seen.csv")) << "position,motorAngle,offset\n13.0E,20,\n77.0E,0,\n";
    fs::create_hard_link(Path("sats.lst"), Path("hard.lst"));
    fs::create_symlink("a.zb", Path("link.zb"));
    const std::string list = Bytes("sats.lst"), setUp = Bytes("a.zb"), seen = Bytes("seen.csv");
    const std::vector<std::string> cases[] = {
        {"new", "-o", Path("sats.lst")},
        {"new", "--sats", Path("hard.lst"), "-o", Path("sats.lst")},
        {"render", Path("a.zb"), "--sats", Path("sats.lst"), "-o", Path("hard.lst")},
        {"print", Path("a.zb"), "-o", Path("hard.lst")},
        {"optimise", Path("a.zb"), "-o", Path("sats.lst")},
        {"diagnose", Path("a.zb"), Path("seen.csv"), "-o", Path("hard.lst")},
        {"diagnose", Path("link.zb"), Path("seen.csv"), "-o", Path("a.zb")},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(Run(args), ExitFailure) << args[0] << " " << args.back();
        EXPECT_EQ(err_.str(), args.back() + ": refused as the output: it is the input file\n") << args[0];
    }
    EXPECT_EQ(Bytes("sats.lst"), list);
    EXPECT_EQ(Bytes("a.zb"), setUp);
    EXPECT_EQ(Bytes("seen.csv"), seen);
    // A set-up changed in place is its own output.
    EXPECT_EQ(Run({"set", Path("a.zb"), "poleNS=1", "-o", Path("link.zb")}), ExitOk) << err_.str();
    EXPECT_EQ(Run({"optimise", Path("a.zb"), "-o", Path("a.zb")}), ExitOk) << err_.str();
}

TEST_F(Cli, PrintWritesPdfUnderItsOwnNameOnly)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    for (const char* name : {"x.ps", "x.png", "x"}) {
        EXPECT_EQ(Run({"print", Path("a.zb"), "-o", Path(name)}), ExitFailure) << name;
        EXPECT_EQ(err_.str(), Path(name) + ": refused as the output: print writes PDF, named .pdf\n");
        EXPECT_FALSE(fs::exists(Path(name))) << name;
    }
    EXPECT_EQ(Run({"print", Path("a.zb"), "-o", Path("x.PDF")}), ExitOk) << err_.str();
}

TEST_F(Cli, SetWithoutAssignmentsIsRefused)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    EXPECT_EQ(Run({"set", Path("a.zb")}), ExitFailure);
    EXPECT_THAT(err_.str(), StartsWith("zenbelts-cli: nothing to set: "));
    EXPECT_EQ(ErrorLines(), 1);
    EXPECT_EQ(Run({"set", Path("a.zb"), "-o", Path("b.zb")}), ExitFailure);
    EXPECT_FALSE(fs::exists(Path("b.zb")));
}

TEST_F(Cli, UnusableSatelliteListsAreRefusedWithTheReason)
{
    ASSERT_EQ(::mkfifo(Path("fifo.lst").c_str(), 0600), 0);
    fs::create_directories(dir_ / "folder.lst");
    std::ofstream(Path("huge.lst")).close();
    fs::resize_file(Path("huge.lst"), (8u << 20) + 1);
    std::ofstream(Path("long.lst")) << "0130=A\n0192=" << std::string(10000, 'b') << "\n";
    std::string random(3000, '\0');
    for (std::size_t i = 0; i < random.size(); ++i)
        random[i] = static_cast<char>((i * 2654435761u) >> 13);
    std::ofstream(Path("random.lst"), std::ios::binary) << random;
    ASSERT_EQ(Run({"new", "-o", Path("setup.zb")}), ExitOk);
    const struct {
        const char* file;
        const char* reason;
    } cases[] = {
        {"none.lst", "no such file"},
        {"fifo.lst", "it is not a regular file"},
        {"folder.lst", "it is a folder, not a file"},
        {"huge.lst", "it is larger than 8 MiB"},
        {"long.lst", "line 2 is longer than 8 KiB"},
        {"setup.zb", "no satellites in setup.zb: is it a satellite list?"},
        {"random.lst", "no satellites in random.lst: is it a satellite list?"},
    };
    for (const auto& c : cases) {
        for (const char* command : {"new", "arc"}) {
            const std::vector<std::string> args
                = std::string(command) == "new"
                      ? std::vector<std::string>{"new", "--sats", Path(c.file), "-o", Path("n.zb")}
                      : std::vector<std::string>{"arc", "--sats", Path(c.file), Path("n.zb")};
            EXPECT_EQ(Run(args), ExitFailure) << c.file << " " << command;
            EXPECT_EQ(err_.str(), Path(c.file) + ": Unable to load sats.lst: " + c.reason + "\n") << command;
        }
        EXPECT_FALSE(fs::exists(Path("n.zb")));
    }
    // The list beside the tool is held to the same rules.
    fs::remove(Path("sats.lst"));
    ASSERT_EQ(::mkfifo(Path("sats.lst").c_str(), 0600), 0);
    EXPECT_EQ(Run({"new", "-o", Path("n.zb")}), ExitFailure);
    EXPECT_EQ(err_.str(), Path("sats.lst") + ": Unable to load sats.lst: it is not a regular file\n");
}

TEST_F(Cli, SetUpsThatAreNoFilesOrFarTooLargeAreRefused)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    std::string bytes = Bytes("a.zb");
    std::ofstream(Path("padded.zb"), std::ios::binary) << bytes << std::string(1000, '\0');
    std::ofstream(Path("huge.zb"), std::ios::binary) << bytes << std::string(64 * 1024, '\0');
    ASSERT_EQ(::mkfifo(Path("fifo.zb").c_str(), 0600), 0);
    EXPECT_EQ(Run({"show", Path("padded.zb")}), ExitOk) << "the first 544 bytes count";
    const struct {
        const char* file;
        const char* error;
    } cases[] = {
        {"huge.zb", "it is larger than 64 KiB"},
        {"fifo.zb", "it is not a regular file"},
        {"none.zb", "cannot open it: no such file"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run({"show", Path(c.file)}), ExitFailure) << c.file;
        EXPECT_EQ(err_.str(), Path(c.file) + ": " + c.error + "\n");
    }
    EXPECT_EQ(Run({"show", dir_.string()}), ExitFailure);
    EXPECT_EQ(err_.str(), dir_.string() + ": it is a folder, not a file\n");
}

TEST_F(Cli, ControlBytesInNamesAndArgumentsStayOnOneLine)
{
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    const std::string bad = Path("bad\nname\x1b[2J.zb");
    const std::vector<std::string> commands[] = {
        {"show", bad},
        {"new", "--sats", bad, "-o", Path("n.zb")},
        {"set", Path("a.zb"), "poleNS=1\n2"},
        {"set", Path("a.zb"), "chosen+=\x1b"},
        {"render", Path("a.zb"), "--size", "600x\n400", "-o", Path("o.png")},
        {"new", "--lat", "1\r2", "-o", Path("n.zb")},
        {"show", "--\x1b[31m", Path("a.zb")},
        {"frob\x07nicate"},
    };
    for (const auto& args : commands) {
        EXPECT_EQ(Run(args), ExitFailure) << args[0];
        const std::string text = err_.str();
        EXPECT_EQ(ErrorLines(), 1) << text;
        EXPECT_EQ(text.back(), '\n');
        EXPECT_TRUE(std::none_of(text.begin(), text.end() - 1, [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        })) << text;
    }
    EXPECT_EQ(Run({"show", bad}), ExitFailure);
    EXPECT_THAT(err_.str(), StartsWith(Path("bad?name?[2J.zb: cannot open it")));
}

TEST_F(Cli, ArcTextPassesNoControlBytesFromNames)
{
    std::ofstream(Path("sats.lst"), std::ios::binary)
        << "0130=Evil\x1b]0;title\x07"
           "End\n0192=Del\x7f"
           "C1\xc2\x9b"
           "2J\n0770=Fine\n"
           "1800=Bidi\xE2\x80\xAEtxt\xE2\x81\xA6x\xE2\x80\x8F\n";
    ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk);
    ASSERT_EQ(Run({"arc", Path("a.zb")}), ExitOk) << err_.str();
    const std::string text = out_.str();
    EXPECT_EQ(text.find('\x1b'), std::string::npos);
    EXPECT_EQ(text.find('\x07'), std::string::npos);
    EXPECT_EQ(text.find('\x7f'), std::string::npos);
    EXPECT_EQ(text.find("\xc2\x9b"), std::string::npos);
    EXPECT_THAT(text, HasSubstr("Evil?]0;title?End\n"));
    EXPECT_THAT(text, HasSubstr("Del?C1?2J\n"));
    EXPECT_THAT(text, HasSubstr("Fine\n"));
    // Overrides and isolates would reorder the line; the mark orders nothing.
    EXPECT_THAT(text, HasSubstr("Bidi?txt?x\xE2\x80\x8F\n"));

    ASSERT_EQ(Run({"arc", "--json", Path("a.zb")}), ExitOk);
    const std::string json = out_.str();
    EXPECT_EQ(json.find('\x1b'), std::string::npos);
    EXPECT_EQ(json.find("\xc2\x9b"), std::string::npos);
    EXPECT_THAT(json, HasSubstr(R"("name": "Evil\u001b]0;title\u0007End")"));
    EXPECT_THAT(json, HasSubstr(R"("name": "Del\u007fC1\u009b2J")"));
    EXPECT_THAT(json, HasSubstr("\"name\": \"Bidi\\u202etxt\\u2066x\xE2\x80\x8F\""));
}

}  // namespace
}  // namespace zenbelts::cli
