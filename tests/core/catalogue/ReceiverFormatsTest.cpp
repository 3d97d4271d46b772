#include "catalogue/ReceiverFormats.h"
#include "SourceTree.h"
#include "catalogue/ReceiverFolder.h"
#include "catalogue/SatelliteList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <stdlib.h>

namespace zenbelts {
namespace {

namespace fs = std::filesystem;

using Satellites = std::vector<ImportedSatellite>;

const fs::path& SampleFolder()
{
    static const fs::path folder = ZENBELTS_SOURCE_DIR "/tests/core/data/receivers";
    return folder;
}

std::string Sample(const fs::path& relative)
{
    std::ifstream in(SampleFolder() / relative, std::ios::binary);
    EXPECT_TRUE(in) << relative;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every result keeps its own accounting: ascending unique positions, one per
// entry that was not merged. And the list that import writes of it reads
// back, by the program's own reader within its limits, as the same satellites.
void ExpectConsistent(const ImportResult& r, const std::string& what)
{
    EXPECT_EQ(static_cast<std::size_t>(r.read - r.merged), r.satellites.size()) << what;
    int previous = -1;
    for (const ImportedSatellite& s : r.satellites) {
        EXPECT_GT(s.position, previous) << what;
        EXPECT_LT(s.position, 3600) << what;
        EXPECT_FALSE(s.name.empty()) << what;
        previous = s.position;
    }
    std::istringstream in(WriteSatelliteList(r.satellites));
    SatelliteCatalogue catalogue;
    const SatelliteListResult read = ReadSatelliteList(in, catalogue);
    EXPECT_TRUE(read) << what << ": " << read.reason.English();
    Satellites back;
    for (const SatelliteEntry& e : catalogue)
        back.push_back({e.position, e.name});
    EXPECT_EQ(back, r.satellites) << what;
}

struct SampleCase {
    const char* name;
    fs::path file;
    ReceiverFormat format;
    Satellites expected;
    int read, merged, skipped;
};

class ReceiverSamples : public testing::TestWithParam<SampleCase> {};

TEST_P(ReceiverSamples, ReadAsWorkedOut)
{
    const SampleCase& c = GetParam();
    const std::string content = Sample(c.file);
    EXPECT_EQ(DetectFormat(c.file.filename().string(), content), c.format);
    const ImportResult r = ImportReceiverFile(c.format, c.file.filename().string(), content);
    EXPECT_EQ(r.satellites, c.expected);
    EXPECT_EQ(r.read, c.read);
    EXPECT_EQ(r.merged, c.merged);
    EXPECT_EQ(r.skipped, c.skipped);
    ExpectConsistent(r, c.name);
}

INSTANTIATE_TEST_SUITE_P(
    ReceiverFormats, ReceiverSamples,
    testing::Values(
        // Band entries one or two tenths aside fall back onto the position of
        // their names; 177.0W and 180.0E come out right.
        SampleCase{"SatellitesXml",
                   "satellites.xml",
                   ReceiverFormat::Xml,
                   {{48, "Astra 4A & SES 5"},
                    {130, "Hotbird 13F/13G"},
                    {192, "Astra 1N/1P"},
                    {1800, "Intelsat 18"},
                    {1830, "NSS 9"},
                    {3300, "Hispasat 30W-5/30W-6"},
                    {3592, "Thor 5/6/7 & Intelsat 10-02"}},
                   10,
                   3,
                   0},
        SampleCase{"ChannelsConf", "channels.conf", ReceiverFormat::Channels, {{192, "19.2E"}}, 6, 5, 0},
        // Hundredths, one row per band, names that only say the position.
        SampleCase{"SatsTxt",
                   "sats.txt",
                   ReceiverFormat::Neumo,
                   {{192, "19.2E"}, {3325, "27.5W"}, {3592, "0.8W"}},
                   7,
                   4,
                   0},
        SampleCase{"IniEast", "ini/0192.ini", ReceiverFormat::Ini, {{192, "Astra 1KR,1L,1M,1N"}}, 1, 0, 0},
        SampleCase{
            "IniWest", "ini/3592.ini", ReceiverFormat::Ini, {{3592, "Thor 5,6,7, Intelsat 10-02"}}, 1, 0, 0},
        SampleCase{"ScanTable",
                   "scan-tables/Galaxy17_C-91.0W",
                   ReceiverFormat::ScanTables,
                   {{2690, "Galaxy17"}},
                   1,
                   0,
                   0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReceiverFormats, SourcesConfSample)
{
    const std::string content = Sample("sources.conf");
    ASSERT_EQ(DetectFormat("sources.conf", content), ReceiverFormat::Sources);
    // Detected from the lines alone, whatever the file is called.
    EXPECT_EQ(DetectFormat("my-list", content), ReceiverFormat::Sources);
    const ImportResult r = ImportReceiverFile(ReceiverFormat::Sources, "sources.conf", content);
    ExpectConsistent(r, "sources.conf");
    // 26 satellites; the header comment and the C, T and A lines say nothing.
    EXPECT_EQ(r.read, 26);
    EXPECT_EQ(r.skipped, 0);
    ASSERT_EQ(r.satellites.size(), 26u);
    const auto find = [&](int position) {
        for (const ImportedSatellite& s : r.satellites) {
            if (s.position == position)
                return s.name;
        }
        return std::string("(none)");
    };
    EXPECT_EQ(find(30), "Eutelsat 3A/3D & Rascom 1R");
    EXPECT_EQ(find(48), "Astra 4A");
    EXPECT_EQ(find(192), "Astra 1KR/1L/1M/2C");
    EXPECT_EQ(find(1055), "Asiasat 3S");
    EXPECT_EQ(find(1800), "Intelsat 18");
    EXPECT_EQ(find(1830), "NSS 9");
    EXPECT_EQ(find(3590), "Thor 5/6");
    EXPECT_EQ(find(3592), "Intelsat 10-02");
}

struct TextCase {
    const char* name;
    ReceiverFormat format;
    const char* fileName;
    std::string content;
    Satellites expected;
    int skipped;
};

class ReceiverTexts : public testing::TestWithParam<TextCase> {};

TEST_P(ReceiverTexts, ReadAsWorkedOut)
{
    const TextCase& c = GetParam();
    const ImportResult r = ImportReceiverFile(c.format, c.fileName, c.content);
    EXPECT_EQ(r.satellites, c.expected);
    EXPECT_EQ(r.skipped, c.skipped);
    ExpectConsistent(r, c.name);
}

std::string Sat(const std::string& name, const std::string& position)
{
    const std::string transponder = "\t<transponder frequency=\"10714000\" symbol_rate=\"22000000\"/>\n";
    return "<sat name=\"" + name + "\" flags=\"1\" position=\"" + position + "\">\n" + transponder
           + "</sat>\n";
}

constexpr auto Xml = ReceiverFormat::Xml;
constexpr auto Sources = ReceiverFormat::Sources;
constexpr auto Ini = ReceiverFormat::Ini;
constexpr auto Neumo = ReceiverFormat::Neumo;
constexpr auto Channels = ReceiverFormat::Channels;
constexpr auto Lamedb = ReceiverFormat::Lamedb;

INSTANTIATE_TEST_SUITE_P(
    Xml, ReceiverTexts,
    testing::Values(
        TextCase{"WestWithoutPositionInName", Xml, "", Sat("Hispasat", "-300"), {{3300, "Hispasat"}}, 0},
        TextCase{"NamePositionWins", Xml, "", Sat("13.0E Hot Bird", "131"), {{130, "Hot Bird"}}, 0},
        TextCase{"West180IsEast180",
                 Xml,
                 "",
                 Sat("180.0W Ku-band Intelsat 18", "-1800") + Sat("180.0E C-band Intelsat 18", "1801"),
                 {{1800, "Intelsat 18"}},
                 0},
        TextCase{"ZeroWest", Xml, "", Sat("0.0W Test", "-1"), {{0, "Test"}}, 0},
        TextCase{
            "BandWordsInAnyCase", Xml, "", Sat("19.2E KA-BAND Astra S-band", "193"), {{192, "Astra"}}, 0},
        TextCase{"DifferentNamesJoin",
                 Xml,
                 "",
                 Sat("19.2E Astra 1N", "192") + Sat("19.2E Astra 1P", "193"),
                 {{192, "Astra 1N & Astra 1P"}},
                 0},
        TextCase{"RepeatedPartsJoinOnce",
                 Xml,
                 "",
                 Sat("4.8E Astra 4A &amp; SES 5", "48") + Sat("4.8E Astra 4A", "48")
                     + Sat("SES 5 &amp; Astra 4A &amp; SES 5", "48"),
                 {{48, "Astra 4A & SES 5"}},
                 0},
        TextCase{"ControlsThatReorderTextAreDropped",
                 Xml,
                 "",
                 Sat("Evil&#x202E;Name&#x85;&#x2067;", "10"),
                 {{10, "EvilName"}},
                 0},
        TextCase{"OnlyAPositionGetsTheLabel", Xml, "", Sat("0.8W Ku-band", "-8"), {{3592, "0.8W"}}, 0},
        TextCase{"Entities",
                 Xml,
                 "",
                 Sat("A&amp;B &lt;&gt;&quot;&apos; Caf&#233; Caf&#xE9; &#x1F4E1;", "10"),
                 {{10, "A&B <>\"' Caf\xC3\xA9 Caf\xC3\xA9 \xF0\x9F\x93\xA1"}},
                 0},
        TextCase{"UnknownEntitiesStay",
                 Xml,
                 "",
                 Sat("A&nbsp;B &#0; &#xD800; &amp", "10"),
                 {{10, "A&nbsp;B &#0; &#xD800; &amp"}},
                 0},
        TextCase{"Latin1Declared",
                 Xml,
                 "",
                 "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n" + Sat("T\xE9l\xE9sat", "10"),
                 {{10, "T\xC3\xA9l\xC3\xA9sat"}},
                 0},
        TextCase{"Latin1DeclaredInSingleQuotes",
                 Xml,
                 "",
                 "<?xml version='1.0' encoding='latin1'?>" + Sat("\xC3", "10"),
                 {{10, "\xC3\x83"}},
                 0},
        TextCase{"Utf8Declared",
                 Xml,
                 "",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + Sat("T\xC3\xA9l\xC3\xA9sat", "10"),
                 {{10, "T\xC3\xA9l\xC3\xA9sat"}},
                 0},
        TextCase{"CrLf",
                 Xml,
                 "",
                 "<satellites>\r\n<sat name=\"A\"\r\n position=\"10\">\r\n</sat>\r\n</satellites>\r\n",
                 {{10, "A"}},
                 0},
        TextCase{"SingleQuotesAndSelfClosing",
                 Xml,
                 "",
                 "<sat position='20' name='B'/><sat name='C' position=30 />",
                 {{20, "B"}, {30, "C"}},
                 0},
        TextCase{"CommentsAndOtherTagsPassedOver",
                 Xml,
                 "",
                 "<!-- <sat name=\"X\" position=\"1\"> --><satellite name=\"Y\" position=\"2\"/>"
                 "<![CDATA[<sat name=\"Z\" position=\"3\">]]>"
                     + Sat("D", "40"),
                 {{40, "D"}},
                 0},
        TextCase{"NoPositionAnywhere",
                 Xml,
                 "",
                 Sat("Nameless", "x") + "<sat name=\"E\">" + Sat("F", "60"),
                 {{60, "F"}},
                 2},
        TextCase{
            "OutOfRange", Xml, "", Sat("G", "3600") + Sat("H", "-3600") + Sat("I", "-3599"), {{1, "I"}}, 2},
        TextCase{"UnclosedQuoteEndsOnlyItsTag",
                 Xml,
                 "",
                 "<sat name=\"A position=\"10\">\n" + Sat("B", "20"),
                 {{20, "B"}},
                 1},
        TextCase{"TruncatedInATag", Xml, "", Sat("A", "10") + "<sat name=\"B\" posi", {{10, "A"}}, 1},
        TextCase{
            "StrayCharacter", Xml, "", "<sat name=\"A\" , position=\"10\">" + Sat("B", "20"), {{20, "B"}}, 1},
        TextCase{"UnclosedComment", Xml, "", Sat("A", "10") + "<!-- " + Sat("B", "20"), {{10, "A"}}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Lines, ReceiverTexts,
    testing::Values(
        TextCase{"SourcesComments",
                 Sources,
                 "",
                 "# S1.0E Not this\nS13E  Hot Bird   13C # and a remark\r\nS4.8E\tAstra 4A\n",
                 {{48, "Astra 4A"}, {130, "Hot Bird 13C"}},
                 0},
        TextCase{"SourcesOtherSources",
                 Sources,
                 "",
                 "C DVB-C\nT DVB-T\nA ATSC\nS19.2E Astra\n",
                 {{192, "Astra"}},
                 0},
        TextCase{"SourcesBroken",
                 Sources,
                 "",
                 "S\nSat 1\nS19.2X Astra\nS181E Far\nS19.2EAstra\nS5W West\n",
                 {{3550, "West"}},
                 5},
        TextCase{"SourcesWest180AndNoName", Sources, "", "S180W\n", {{1800, "180.0E"}}, 0},
        TextCase{"SourcesCp1252", Sources, "", "S7E T\xE9l\xE9sat\n", {{70, "T\xC3\xA9l\xC3\xA9sat"}}, 0},
        // C1 controls and bidirectional overrides and isolates go; the
        // right-to-left mark stays.
        TextCase{"SourcesDropControlsThatReorderText",
                 Sources,
                 "",
                 "S19.2E As\xC2\x85tra \xE2\x80\xAE"
                 "1N\xE2\x81\xA6 \xE2\x80\x8Fx\nS13.0E Hot\x81"
                 "Bird\x9D\n",
                 {{130, "HotBird"}, {192, "Astra 1N \xE2\x80\x8Fx"}},
                 0},
        TextCase{
            "IniLowerCaseSection", Ini, "x.ini", "[sattype]\n1=130\n2= Hot Bird \n", {{130, "Hot Bird"}}, 0},
        TextCase{"IniFirstKeysCount",
                 Ini,
                 "x.ini",
                 "[SATTYPE]\r\n1=0130\r\n2=A\r\n[DVB]\r\n1=10714,H,22000,23\r\n2=B\r\n",
                 {{130, "A"}},
                 0},
        TextCase{"IniPositionFromTheFileName",
                 Ini,
                 "dir/0282.ini",
                 "[SATTYPE]\r\n1=abc\r\n2=Astra 2\r\n",
                 {{282, "Astra 2"}},
                 0},
        TextCase{"IniNoPosition", Ini, "astra.ini", "[SATTYPE]\r\n2=Astra 2\r\n", {}, 1},
        TextCase{"IniOutOfRange", Ini, "astra.ini", "[SATTYPE]\r\n1=3600\r\n2=Astra 2\r\n", {}, 1},
        TextCase{"IniNoSection", Ini, "0282.ini", "[DVB]\r\n1=0282\r\n", {}, 1},
        TextCase{"NeumoRoundsHundredths",
                 Neumo,
                 "",
                 "sat_pos\tband\tname\n1925\tKu\tX\n-1925\tKu\tY\n18000\tKu\tZ\n-18000\tC\tZ\n4\tKu\tO\n",
                 {{0, "O"}, {193, "X"}, {1800, "Z"}, {3407, "Y"}},
                 0},
        TextCase{"NeumoColumnsByHeading",
                 Neumo,
                 "",
                 "name\tsat_pos\tband\r\nAstra 1N Ku\t1920\tKu\r\nAstra 1N C-band\t1920\tC\r\n",
                 {{192, "Astra 1N"}},
                 0},
        TextCase{"NeumoBroken",
                 Neumo,
                 "",
                 "sat_pos\tband\tname\nabc\tKu\tA\n18100\tKu\tB\n\n130\n",
                 {{13, "1.3E"}},
                 2},
        TextCase{
            "ChannelsGroupsAndOtherSources",
            Channels,
            "",
            ":Group\nA:12187:HC34M2S0:S19.2E:27500:163:104:0:0:1:1:1:0\nB:474000:M64:C:6900:1:2:0:0:2:1:1:0\n"
            "C:11000:H:S5W:27500:1:2:0:0:3:1:1:0\nbroken line\nD:1:H:S9Q:1\n",
            {{192, "19.2E"}, {3550, "5.0W"}},
            2},
        TextCase{
            "LamedbFourAndFive",
            Lamedb,
            "",
            "eDVB services /4/\ntransponders\n00c00000:0437:0001\n\ts 11778000:27500000:1:3:192:2:0\n/\n"
            "ffe20000:0001:0002\n\ts 10719000:27500000:1:3:-8:2:0:1:2:0:2\n/\n\tt "
            "474000000:0:5:5:3:0:4:0\n/\n"
            "\ts 11000000:27500000\n/\n\ts 1:2:3:4:4000:0\n/\nend\nservices\n0001:00c00000:0437:0001:1:0\n"
            "t:00820000:0001:0002,s:11000000:27500000:1:3:130:2:0\n",
            {{130, "13.0E"}, {192, "19.2E"}, {3592, "0.8W"}},
            2}),
    [](const auto& info) { return std::string(info.param.name); });

std::string Repeated(const std::string& text, int times)
{
    std::string out;
    for (int k = 0; k < times; ++k)
        out += text;
    return out;
}

TEST(ReceiverFormats, DetectsFormats)
{
    const struct {
        const char* name;
        const char* fileName;
        std::string content;
        ReceiverFormat expected;
    } cases[] = {
        {"XmlByContent", "list", "\xEF\xBB\xBF  <?xml version=\"1.0\"?><satellites/>", ReceiverFormat::Xml},
        {"XmlByName", "satellites.xml", "", ReceiverFormat::Xml},
        {"Lamedb", "whatever", "eDVB services /4/\ntransponders\n", ReceiverFormat::Lamedb},
        {"LamedbByName", "/etc/enigma2/lamedb5", "", ReceiverFormat::Lamedb},
        {"IniByContent", "astra.txt", "\r\n[UPDATE]\r\n0=x\r\n[SATTYPE]\r\n1=0192\r\n", ReceiverFormat::Ini},
        {"IniByName", "0192.INI", "", ReceiverFormat::Ini},
        {"Neumo", "table", "sat_pos\tband\tname\n", ReceiverFormat::Neumo},
        {"NeumoByName", "sats.txt", "", ReceiverFormat::Neumo},
        {"Sources", "x", "# comment\nS19.2E Astra\nS13E Hot Bird\n", ReceiverFormat::Sources},
        {"Channels", "x", ":Group\nRTL;CBC:12187:HC34M2S0:S19.2E:27500:163=2:104:0:12003:1:1089:0\n",
         ReceiverFormat::Channels},
        {"ScanTableByContentAndName", "Astra-19.2E", "# x\n[CHANNEL]\n\tFREQUENCY = 1\n",
         ReceiverFormat::ScanTables},
        {"ScanTableByName", "dvb-s/Thor-1.0W", "S 10747000 H 25000000 3/4\n", ReceiverFormat::ScanTables},
        {"SourcesPastFiftyLines", "my-list", Repeated("S19.2E Astra\n", 110), ReceiverFormat::Sources},
        {"Unknown", "notes.txt", "nothing to see\n", ReceiverFormat::Unknown},
        {"Empty", "", "", ReceiverFormat::Unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DetectFormat(c.fileName, c.content), c.expected) << c.name;
}

// ASCII text as UTF-16 with its byte-order mark.
std::string Utf16(const std::string& ascii, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        out += bigEndian ? '\0' : c;
        out += bigEndian ? c : '\0';
    }
    return out;
}

// Line ends of every platform, a byte-order mark before the first entry,
// UTF-16: each format is told and read alike.
TEST(ReceiverFormats, LineEndsAndEncodingsReadAlike)
{
    const struct {
        const char* name;
        ReceiverFormat format;
        std::string text;  // LF line ends
    } cases[] = {
        {"sources", Sources, "S19.2E Astra\nS13.0E Hot Bird\n"},
        {"ini", Ini, "[SATTYPE]\n1=0192\n2=Astra\n"},
        {"neumo", Neumo, "sat_pos\tband\tname\n1920\tKu\tAstra\n130\tKu\tNear\n"},
        {"channels", Channels, "A:12187:H:S19.2E:27500:163:104:0:0:1:1:1:0\nB:1:H:S13E:2:1:2:0:0:3:1:1:0\n"},
        {"lamedb", Lamedb,
         "eDVB services /4/\ntransponders\n1:2:3\n\ts 11778000:27500000:1:3:192:2:0\n/\n"
         "\ts 1:2:3:4:130:0\n/\n"},
        {"xml", Xml, "<satellites>\n<sat name=\"Astra\"\nposition=\"192\">\n</sat>\n</satellites>\n"},
    };
    const auto replaced = [](std::string text, const std::string& lineEnd) {
        std::string out;
        for (char c : text)
            out += c == '\n' ? lineEnd : std::string(1, c);
        return out;
    };
    for (const auto& c : cases) {
        const Satellites expected = ImportReceiverFile(c.format, "list", c.text).satellites;
        ASSERT_EQ(expected.size(), c.format == Xml || c.format == Ini ? 1u : 2u) << c.name;
        const std::pair<const char*, std::string> variants[] = {
            {"CR", replaced(c.text, "\r")},          {"CR LF", replaced(c.text, "\r\n")},
            {"UTF-8 mark", "\xEF\xBB\xBF" + c.text}, {"UTF-16LE", Utf16(replaced(c.text, "\r\n"), false)},
            {"UTF-16BE", Utf16(c.text, true)},
        };
        for (const auto& [variant, text] : variants) {
            EXPECT_EQ(DetectFormat("list", text), c.format) << c.name << ", " << variant;
            const ImportResult r = ImportReceiverFile(c.format, "list", text);
            EXPECT_EQ(r.satellites, expected) << c.name << ", " << variant;
            EXPECT_EQ(r.skipped, 0) << c.name << ", " << variant;
        }
    }
}

// Names of one position merge up to a line of the program's list: whole
// names while they fit, at most a few dozen; a single name longer than a
// line is cut at a character. The result says how many positions lost some.
TEST(ReceiverFormats, MergedAndLongNamesAreCutToALineOfTheList)
{
    std::string text = "S4.8E Astra 4A\n";
    // Each euro sign of Windows-1252 takes three bytes in UTF-8.
    for (int k = 0; k < 40000; ++k)
        text += "S19.2E \x80\x80\x80 " + std::to_string(k) + "\n";
    text += "S13.0E " + std::string(3000, '\x80') + "\n";
    const ImportResult r = ImportReceiverFile(ReceiverFormat::Sources, "sources.conf", text);
    ExpectConsistent(r, "hostile");
    ASSERT_EQ(r.satellites.size(), 3u);
    EXPECT_EQ(r.read, 40002);
    EXPECT_EQ(r.cut, 2);
    EXPECT_EQ(r.satellites[0].name, "Astra 4A");

    const std::string euro = "\xE2\x82\xAC";
    std::string longest;
    while (longest.size() + euro.size() <= SatelliteListMaxLineBytes - 5)
        longest += euro;
    EXPECT_EQ(r.satellites[1].name, longest);

    const std::string& merged = r.satellites[2].name;
    const std::vector<std::string> parts = [&] {
        std::vector<std::string> out;
        for (std::size_t at = 0;;) {
            const std::size_t end = merged.find(" & ", at);
            out.push_back(merged.substr(at, end - at));
            if (end == std::string::npos)
                return out;
            at = end + 3;
        }
    }();
    EXPECT_LE(parts.size(), ImportAccumulator::MaxNamesPerPosition);
    for (std::size_t k = 0; k < parts.size(); ++k)
        EXPECT_EQ(parts[k], euro + euro + euro + " " + std::to_string(k));
}

TEST(ReceiverFormats, FormatNamesRoundTrip)
{
    for (const char* name : {"xml", "sources", "ini", "scan-tables", "neumo", "channels", "lamedb"}) {
        const std::optional<ReceiverFormat> format = ParseReceiverFormatName(name);
        ASSERT_TRUE(format) << name;
        EXPECT_STREQ(ReceiverFormatName(*format), name);
    }
    EXPECT_FALSE(ParseReceiverFormatName("XML"));
    EXPECT_FALSE(ParseReceiverFormatName(""));
}

TEST(ReceiverFormats, ScanTableNames)
{
    const struct {
        const char* fileName;
        std::optional<ImportedSatellite> expected;
    } cases[] = {
        {"Astra-19.2E", ImportedSatellite{192, "Astra"}},
        {"AMC1-103w", ImportedSatellite{2570, "AMC1"}},
        {"Galaxy17_C-91.0W", ImportedSatellite{2690, "Galaxy17"}},
        {"Atlantic-Bird-3-5.0W", ImportedSatellite{3550, "Atlantic Bird 3"}},
        {"dvb-s/Thor-1.0W", ImportedSatellite{3590, "Thor"}},
        {"Intelsat-180.0W", ImportedSatellite{1800, "Intelsat"}},
        {"-13E", ImportedSatellite{130, "13.0E"}},
        {"Astra-19.25E", ImportedSatellite{193, "Astra"}},
        {"Astra-19.2", std::nullopt},
        {"Astra-19.2E.bak", std::nullopt},
        {"Intelsat-181E", std::nullopt},
        {"README", std::nullopt},
        {"Astra 19.2E", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<ImportedSatellite> s = ParseScanTableName(c.fileName);
        ASSERT_EQ(s.has_value(), c.expected.has_value()) << c.fileName;
        if (s) {
            EXPECT_EQ(ImportReceiverFile(ReceiverFormat::ScanTables, c.fileName, "").satellites,
                      Satellites{*c.expected})
                << c.fileName;
        }
    }
}

TEST(ReceiverFormats, PositionLabels)
{
    const std::pair<int, const char*> cases[]
        = {{0, "0.0E"}, {192, "19.2E"}, {1800, "180.0E"}, {1801, "179.9W"}, {3592, "0.8W"}, {3599, "0.1W"}};
    for (const auto& [position, label] : cases)
        EXPECT_EQ(PositionCode(position), label) << position;
}

TEST(ReceiverFormats, WrittenListReadsBack)
{
    const Satellites satellites = {{3592, "Thor & Intelsat"}, {130, "Hot Bird"},      {0, ""},
                                   {192, "Two\r\nLines"},     {130, "Second at 13E"}, {3600, "Out"}};
    const std::string text = WriteSatelliteList(satellites);
    EXPECT_EQ(text, "0000=0.0E\n0130=Hot Bird\n0192=Two  Lines\n3592=Thor & Intelsat\n");

    std::istringstream in(
        WriteSatelliteList(ImportReceiverFile(ReceiverFormat::Xml, "", Sample("satellites.xml")).satellites));
    SatelliteCatalogue catalogue;
    ASSERT_TRUE(ReadSatelliteList(in, catalogue));
    Satellites back;
    for (const SatelliteEntry& e : catalogue)
        back.push_back({e.position, e.name});
    EXPECT_EQ(back, ImportReceiverFile(ReceiverFormat::Xml, "", Sample("satellites.xml")).satellites);
}

TEST(ReceiverFormats, FilesOfAFolderMergeIntoOneList)
{
    struct {
        const char* folder;
        ReceiverFormat format;
        Satellites expected;
    } cases[] = {
        {"ini",
         ReceiverFormat::Ini,
         {{19, "BulgariaSat 1"},
          {192, "Astra 1KR,1L,1M,1N"},
          {1800, "Intelsat 18"},
          {3592, "Thor 5,6,7, Intelsat 10-02"}}},
        {"scan-tables",
         ReceiverFormat::ScanTables,
         {{192, "Astra"}, {2570, "AMC1"}, {2690, "Galaxy17"}, {3590, "Thor"}}},
    };
    for (const auto& c : cases) {
        ReceiverFolder folder;
        Message error;
        ASSERT_TRUE(ListReceiverFolder(SampleFolder() / c.folder, ReceiverFormat::Unknown, folder, error))
            << error.English();
        EXPECT_EQ(folder.format, c.format) << c.folder;
        EXPECT_EQ(folder.files.size(), 4u) << c.folder;
        const ImportResult r = ImportReceiverFolder(folder);
        EXPECT_EQ(r.satellites, c.expected) << c.folder;
        EXPECT_EQ(r.read, 4) << c.folder;
        EXPECT_EQ(r.skipped, 0) << c.folder;
    }
}

TEST(ReceiverFormats, FolderListsOnlyFilesOfTheFormat)
{
    std::string pattern = (fs::temp_directory_path() / "zenbelts-receivers-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path folder = pattern;
    fs::create_directories(folder / "Astra-19.2E");  // a folder, not a table
    fs::create_directories(folder / "old.ini");
    std::ofstream(folder / "README") << "notes\n";
    std::ofstream(folder / "Thor-1.0W") << "[CHANNEL]\n";
    std::ofstream(folder / "Hotbird-13.0E") << "[CHANNEL]\n";

    ReceiverFolder listed;
    Message error;
    ASSERT_TRUE(ListReceiverFolder(folder, ReceiverFormat::Unknown, listed, error)) << error.English();
    EXPECT_EQ(listed.format, ReceiverFormat::ScanTables);
    ASSERT_EQ(listed.files.size(), 2u);
    EXPECT_EQ(listed.files[0].filename(), "Hotbird-13.0E");
    EXPECT_EQ(listed.files[1].filename(), "Thor-1.0W");

    // With .ini files there, they are what the folder holds; one is broken.
    std::ofstream(folder / "0130.ini") << "[SATTYPE]\r\n1=0130\r\n2=Hot Bird\r\n";
    std::ofstream(folder / "broken.ini") << "[DVB]\r\n";
    ASSERT_TRUE(ListReceiverFolder(folder, ReceiverFormat::Unknown, listed, error)) << error.English();
    EXPECT_EQ(listed.format, ReceiverFormat::Ini);
    const ImportResult r = ImportReceiverFolder(listed);
    EXPECT_EQ(r.satellites, (Satellites{{130, "Hot Bird"}}));
    EXPECT_EQ(r.skipped, 1);

    // A file too large to be a satellite's counts as skipped.
    EXPECT_EQ(ImportReceiverFolder(listed, 10).skipped, 2);

    EXPECT_FALSE(ListReceiverFolder(folder / "none", ReceiverFormat::Unknown, listed, error));
    EXPECT_FALSE(error.Empty());
    fs::remove_all(folder);
}

// Every prefix of every sample, and samples with bytes changed at random,
// through every reader: nothing may crash or hang, and every result keeps
// its accounting.
TEST(ReceiverFormats, BrokenInputNeverBreaksTheReaders)
{
    const char* files[] = {"satellites.xml", "sources.conf", "channels.conf", "sats.txt", "ini/0192.ini"};
    const ReceiverFormat formats[] = {
        ReceiverFormat::Xml,      ReceiverFormat::Sources, ReceiverFormat::Ini,       ReceiverFormat::Neumo,
        ReceiverFormat::Channels, ReceiverFormat::Lamedb,  ReceiverFormat::ScanTables};
    std::mt19937 random(12345);
    for (const char* file : files) {
        const std::string content = Sample(file);
        for (std::size_t length = 0; length <= content.size(); length += 7) {
            for (ReceiverFormat format : formats)
                ExpectConsistent(ImportReceiverFile(format, file, content.substr(0, length)), file);
        }
        for (int round = 0; round < 200; ++round) {
            std::string mutated = content;
            for (int k = 0; k < 8; ++k) {
                const std::size_t at = random() % mutated.size();
                mutated[at] = "<>\"'&;#:=\t\r\n\xE9\xFF-S"[random() % 16];
            }
            for (ReceiverFormat format : formats) {
                ExpectConsistent(ImportReceiverFile(format, file, mutated), file);
                DetectFormat(file, mutated);
            }
        }
    }
}

}  // namespace
}  // namespace zenbelts
