#include "plot/ArcTable.h"

#include "model/Observations.h"
#include "model/Receiver.h"

#include <gtest/gtest.h>

#include <clocale>
#include <sstream>

namespace zenbelts {
namespace {

class MissTable : public testing::Test {
protected:
    void SetUp() override
    {
        for (int p : {770, 1000, 2570})
            catalogue_.InsertOrRename(p, std::string("S").append(std::to_string(p)));
        catalogue_.InsertOrRename(130, "Not chosen");
        settings_.LoadFactoryDefaults(catalogue_);
        settings_.chosenSatellites.Clear();
        for (int p : {770, 1000, 2570})
            settings_.chosenSatellites.Set(p);
    }
    SatelliteCatalogue catalogue_;
    MountSettings settings_;
};

TEST_F(MissTable, OneRowPerChosenSatelliteWithItsNumbers)
{
    const std::vector<MissRow> rows = ComputeMissTable(settings_, catalogue_);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].label, "77.0\u00b0E");
    EXPECT_EQ(rows[0].motor, "0.0\u00b0E");
    EXPECT_EQ(rows[0].miss, "0.25\u00b0 below");
    EXPECT_EQ(rows[0].elevation, "40.0\u00b0");
    EXPECT_EQ(rows[1].motor, "25.7\u00b0E");
    EXPECT_TRUE(rows[1].visible);
    EXPECT_EQ(rows[2].label, "103.0\u00b0W");
    EXPECT_FALSE(rows[2].visible) << "below the horizon";
    EXPECT_FALSE(rows[2].worst);
    int worst = 0;
    for (const MissRow& r : rows)
        worst += r.worst;
    EXPECT_EQ(worst, 1);
    EXPECT_TRUE(rows[0].missDegrees > rows[1].missDegrees ? rows[0].worst : rows[1].worst);
}

TEST_F(MissTable, SouthernSitesKeepCompassDirections)
{
    settings_.latitude = -2600;
    settings_.Recalculate(true);
    const std::vector<MissRow> rows = ComputeMissTable(settings_, catalogue_);
    EXPECT_EQ(rows[1].motor, "25.7\u00b0E") << "100.0 E still lies east of 77.0 E";
}

TEST_F(MissTable, CopiesAsTabSeparatedText)
{
    const std::string text = MissTableText(ComputeMissTable(settings_, catalogue_));
    EXPECT_EQ(text.substr(0, text.find('\n')), "Satellite\tName\tMotor\tMiss\tElevation");
    EXPECT_NE(text.find("77.0\u00b0E\tS770\t0.0\u00b0E\t0.25\u00b0 below\t40.0\u00b0\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
}

TEST_F(MissTable, ReceiverColumnsFollowTheMotorColumn)
{
    for (const int latitude : {2600, -2600}) {
        settings_.latitude = latitude;
        settings_.Recalculate(true);
        for (const MissRow& r : ComputeMissTable(settings_, catalogue_)) {
            const std::string where = std::to_string(latitude) + " at " + r.label;
            EXPECT_DOUBLE_EQ(r.receiverAngle, ReceiverMotorAngleAt(settings_, r.position)) << where;
            // Both columns east positive: the miss is the one less the other.
            const double sign = latitude > 0 ? 1.0 : -1.0;
            char expected[32];
            std::snprintf(expected, sizeof expected, "%+.2f\u00b0", sign * (r.motorAngle - r.receiverAngle));
            // Nothing shows as -0.00.
            const std::string want = std::string(expected) == "-0.00\u00b0" ? "+0.00\u00b0" : expected;
            EXPECT_EQ(r.receiverMiss, want) << where;
            EXPECT_EQ(r.receiver.back(), sign * r.receiverAngle >= -0.05 ? 'E' : 'W') << where;
        }
    }
}

TEST_F(MissTable, CopiesTheReceiverColumnsOnlyWhenAsked)
{
    const std::vector<MissRow> rows = ComputeMissTable(settings_, catalogue_);
    const std::string plain = MissTableText(rows), both = MissTableText(rows, true);
    EXPECT_EQ(both.substr(0, both.find('\n')),
              "Satellite\tName\tMotor\tMiss\tElevation\tReceiver\tReceiver miss");
    EXPECT_NE(both.find("\t" + rows[1].receiver + "\t" + rows[1].receiverMiss + "\n"), std::string::npos);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), '\t'), 4 * 4);
    EXPECT_EQ(std::count(both.begin(), both.end(), '\t'), 4 * 6);
}

TEST_F(MissTable, CsvHasPlainNumbersWithAPoint)
{
    catalogue_.InsertOrRename(1000, "Say \"hi\", there");
    catalogue_.InsertOrRename(2570, "Line\nbreak");
    const std::vector<MissRow> rows = ComputeMissTable(settings_, catalogue_);
    // A locale with a decimal comma, where there is one, changes nothing.
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* locale : {"de_DE.UTF-8", "C.UTF-8", "C"}) {
        if (std::setlocale(LC_NUMERIC, locale))
            break;
    }
    const std::string csv = MissTableCsv(rows), receiver = MissTableCsv(rows, true);
    std::setlocale(LC_NUMERIC, before.c_str());

    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "position,name,motorAngle,miss,elevation");
    std::getline(lines, line);
    ASSERT_EQ(rows[0].miss, "0.25\u00b0 below");
    EXPECT_EQ(line.substr(0, 11), "77.0E,S770,") << line;
    EXPECT_NE(line.find(",-0.2"), std::string::npos) << "below the beam is negative: " << line;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("100.0E,\"Say \"\"hi\"\", there\",2", 0), 0u) << line;
    std::getline(lines, line);
    EXPECT_EQ(line, "103.0W,\"Line");
    std::getline(lines, line);
    EXPECT_EQ(line.substr(0, 7), "break\",") << line;
    EXPECT_EQ(line.find(';'), std::string::npos);

    // The numbers are the rows' own, to their decimals.
    for (const MissRow& r : rows) {
        char row[128];
        std::snprintf(row, sizeof row, ",%.3f,%.3f,%.2f,%.3f,%.3f\n", r.motorAngle, r.offset,
                      r.elevationDegrees, r.receiverAngle, r.motorAngle - r.receiverAngle);
        EXPECT_NE(receiver.find(row), std::string::npos) << r.label << ": " << row;
    }
    EXPECT_EQ(receiver.substr(0, receiver.find('\n')),
              "position,name,motorAngle,miss,elevation,receiverAngle,receiverMiss");

    // The positions read back as the observations' file reads them.
    for (const auto& [position, label] : std::vector<std::pair<int, std::string>>{
             {0, "0.0E"}, {1800, "180.0E"}, {1801, "179.9W"}, {3599, "0.1W"}, {192, "19.2E"}}) {
        SatelliteCatalogue one;
        one.InsertOrRename(position, "X");
        MountSettings s = settings_;
        s.chosenSatellites.Clear();
        s.chosenSatellites.Set(position);
        const std::string text = MissTableCsv(ComputeMissTable(s, one));
        const std::string first = text.substr(text.find('\n') + 1, label.size() + 1);
        EXPECT_EQ(first, label + ",") << position;
        EXPECT_EQ(ParseObservedPosition(label), position) << label;
    }
}

}  // namespace
}  // namespace zenbelts
