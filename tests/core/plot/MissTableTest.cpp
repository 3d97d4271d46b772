#include "plot/ArcTable.h"

#include <gtest/gtest.h>

namespace zenbelts {
namespace {

class MissTable : public testing::Test {
protected:
    void SetUp() override
    {
        for (int p : {770, 1000, 2570})
            catalogue_.InsertOrRename(p, "S" + std::to_string(p));
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

}  // namespace
}  // namespace zenbelts
