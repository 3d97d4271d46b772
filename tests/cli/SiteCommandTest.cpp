#include "cli/Cli.h"
#include "cli/CliFixture.h"
#include "model/AtTheDish.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace zenbelts::cli {
namespace {

using testing::HasSubstr;

class SiteCommand : public CliFixture {
protected:
    void SetUp() override
    {
        MakeFolder("0130=Hot\n0192=Astra\n1340=Far\n3300=West\n");
        ASSERT_EQ(Run({"new", "--lat", "3000", "--lon", "-600", "-o", Path("home.zb")}), ExitOk)
            << err_.str();
        ASSERT_EQ(Run({"set", Path("home.zb"), "dishOffset=250", "feedUp=0", "chosen+=192", "chosen+=1340",
                       "chosen+=3300"}),
                  ExitOk)
            << err_.str();
    }

    // The number after "name": in the JSON printed.
    double Member(const std::string& json, const std::string& name)
    {
        std::smatch m;
        const std::regex number("\"" + name + "\": (-?[0-9.e+-]+)");
        EXPECT_TRUE(std::regex_search(json, m, number)) << name;
        return m.empty() ? 0.0 : std::strtod(m[1].str().c_str(), nullptr);
    }
};

TEST_F(SiteCommand, SetAndShowKeepTheDish)
{
    EXPECT_EQ(Bytes("home.zb").size(), 544u + 32);
    const MountSettings s = Read("home.zb");
    EXPECT_EQ(s.dishOffset, 250);
    EXPECT_EQ(s.feedUp, 0);
    ASSERT_EQ(Run({"show", "--json", Path("home.zb")}), ExitOk);
    EXPECT_THAT(out_.str(), HasSubstr("\"dishOffset\": 250, \"feedUp\": 0, "));
    ASSERT_EQ(Run({"show", Path("home.zb")}), ExitOk);
    EXPECT_THAT(out_.str(), HasSubstr("offset 25.0\u00b0, feed arm below the dish"));

    for (const char* bad : {"dishOffset=451", "dishOffset=-1", "feedUp=2"}) {
        EXPECT_EQ(Run({"set", Path("home.zb"), bad}), ExitFailure) << bad;
        EXPECT_THAT(err_.str(), HasSubstr("is refused")) << bad;
    }
    ASSERT_EQ(Run({"set", Path("home.zb"), "dishOffset=0"}), ExitOk);
    EXPECT_EQ(Bytes("home.zb").size(), 544u) << "prime focus, feed below: no extension";
}

TEST_F(SiteCommand, JsonHasEveryReading)
{
    ASSERT_EQ(Run({"site", Path("home.zb"), "--date", "2026-06-21", "--json"}), ExitOk) << err_.str();
    const std::string json = out_.str();
    for (const char* name : {"magneticDeclination", "trueSouthBearing", "axisElevation", "clampAngle",
                             "beamElevation", "faceTilt", "transitElevation", "azimuth", "compassBearing",
                             "elevation", "motorAngle", "sunElevation"})
        EXPECT_THAT(json, HasSubstr(std::string("\"").append(name).append("\": "))) << name;
    EXPECT_THAT(json, HasSubstr("\"motorScale\": {\"axisElevation\": "));
    EXPECT_THAT(json, HasSubstr("\"sun\": {\"transit\": \"2026-06-21T12:4"));
    EXPECT_THAT(json, HasSubstr("\"magneticModelValid\": true"));
    // The compass reads true south off by the declination; 134.0°E stands
    // in the north-east, where the June sun of 50°N never is while up.
    EXPECT_NEAR(Member(json, "trueSouthBearing"), 180.0 - Member(json, "magneticDeclination"), 1e-9);
    EXPECT_THAT(json, HasSubstr("\"label\": \"134.0\u00b0E\""));
    EXPECT_THAT(json, HasSubstr("\"sunTime\": null, \"sunElevation\": null}"));
    EXPECT_THAT(json, testing::ContainsRegex("\"sunTime\": \"2026-06-21T1[0-9]:[0-9:]*Z\""));
    int chosen = 0;
    for (int p = 0; p < PositionCount; ++p)
        chosen += Read("home.zb").chosenSatellites.Test(p) ? 1 : 0;
    EXPECT_EQ(std::count(json.begin(), json.end(), '{') - 4, chosen) << "one object per chosen satellite";
}

TEST_F(SiteCommand, TextSaysEveryReadingAndWarnsOutsideTheMagneticModel)
{
    ASSERT_EQ(Run({"site", Path("home.zb"), "--date", "2026-06-21"}), ExitOk) << err_.str();
    for (const char* words : {"True south:", "Motor axis:", "Motor scale:", "Dish clamp:", "Motor at zero:",
                              "due south at 12:4", "never that day", "19.2\u00b0E"})
        EXPECT_THAT(out_.str(), HasSubstr(words)) << words;
    EXPECT_THAT(out_.str(), testing::Not(HasSubstr("Warning")));

    ASSERT_EQ(Run({"site", Path("home.zb"), "--date", "2031-01-01"}), ExitOk) << err_.str();
    EXPECT_THAT(out_.str(), HasSubstr("Warning: the model holds from 2025.0 to 2030.0"));
    ASSERT_EQ(Run({"site", Path("home.zb"), "--date", "2031-01-01", "--json"}), ExitOk);
    EXPECT_THAT(out_.str(), HasSubstr("\"magneticModelValid\": false"));

    EXPECT_EQ(Run({"site", Path("home.zb"), "--date", "2026-02-30"}), ExitFailure);
    EXPECT_THAT(err_.str(), HasSubstr("--date must be a date of the form YYYY-MM-DD"));
    EXPECT_EQ(Run({"site"}), ExitFailure);
}

}  // namespace
}  // namespace zenbelts::cli
