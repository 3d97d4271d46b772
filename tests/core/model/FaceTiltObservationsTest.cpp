// Observations that give the inclinometer on the dish's face instead of the
// offset: read into offsets with the set-up's dish.

#include "model/DishReadings.h"
#include "model/Observations.h"
#include "model/Sites.h"
#include "plot/ArcTable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace zenbelts {
namespace {

using testing_support::At;

SatelliteCatalogue Arc()
{
    SatelliteCatalogue catalogue;
    for (int p : {3300, 3550, 130, 192, 390, 700})
        catalogue.InsertOrRename(p, "S");
    return catalogue;
}

// What the real mount's dish reads at each satellite's peak, as a file.
std::string FaceTiltsOf(const MountSettings& real, const SatelliteCatalogue& catalogue)
{
    std::string text = "position,motorAngle,faceTilt\n";
    for (const ArcRow& r : ComputeArcTable(real, catalogue)) {
        char line[96];
        std::snprintf(line, sizeof line, "%d,%.17g,%.17g\n", r.position, r.motorAngle,
                      DishAtMotorAngle(real, r.motorAngle).faceTilt);
        text += line;
    }
    return text;
}

struct Mount {
    const char* what;
    int dishOffset, feedUp;
    int declinationChange, poleEW, dishAzimuth;  // tenths, of the real mount
    double within;                               // degrees
};

class FaceTiltObservations : public testing::TestWithParam<Mount> {};

// The offsets read from the face agree with the real mount's: exactly when
// only the declination is off. A frame turned by under a degree rolls the
// dish, and its face with it, by as much: read with the set-up's frame the
// offsets are then off by up to a fifth of a degree.
TEST_P(FaceTiltObservations, GiveTheRealMountsOffsets)
{
    const Mount& m = GetParam();
    const SatelliteCatalogue catalogue = Arc();
    MountSettings setUp = At(3000, -600, catalogue);
    setUp.dishOffset = m.dishOffset;
    setUp.feedUp = m.feedUp;
    MountSettings real = setUp;
    real.autoDeclination = 0;
    real.declination += m.declinationChange;
    real.poleEW = m.poleEW;
    real.dishAzimuth = m.dishAzimuth;
    real.Recalculate(false);

    const std::vector<Observation> read = ParseObservations(FaceTiltsOf(real, catalogue), &setUp);
    const std::vector<ArcRow> truth = ComputeArcTable(real, catalogue);
    ASSERT_EQ(read.size(), truth.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        ASSERT_TRUE(read[i].offset) << m.what;
        EXPECT_NEAR(*read[i].offset, truth[i].offset, m.within)
            << m.what << ", position " << truth[i].position;
    }
}

INSTANTIATE_TEST_SUITE_P(Observations, FaceTiltObservations,
                         testing::Values(Mount{"prime focus, declination", 0, 0, 5, 0, 0, 1e-9},
                                         Mount{"offset dish, declination", 250, 0, -8, 0, 0, 1e-9},
                                         Mount{"feed up, declination", 200, 1, 3, 0, 0, 1e-9},
                                         Mount{"offset dish, pole and dish turned", 250, 0, 7, 8, -6, 0.2}),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             std::erase_if(
                                 name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
                             return name;
                         });

TEST(FaceTiltObservationsRefused, WithTheirCause)
{
    const MountSettings setUp = At(3000, -600, Arc());
    const auto refusal = [&](const char* text, const MountSettings* with) -> std::string {
        try {
            ParseObservations(text, with);
        } catch (const ObservationsError& e) {
            return e.what();
        }
        return "read";
    };
    EXPECT_THAT(refusal("position,motorAngle,faceTilt\n13.0E,25,30\n", nullptr),
                testing::HasSubstr("line 1: face tilts are read only with a set-up's dish"));
    EXPECT_THAT(refusal("position,motorAngle,faceTilt\n13.0E,25,x\n", &setUp),
                testing::HasSubstr("line 2: the face tilt is not a number"));
    EXPECT_THAT(refusal("position,motorAngle,faceTilt\n13.0E,25,89\n", &setUp),
                testing::HasSubstr("line 2: the face tilt lies more than 20 degrees"));
    EXPECT_EQ(refusal("position,motorAngle,faceTilt\n13.0E,25,\n", &setUp), "read") << "left empty";
}

}  // namespace
}  // namespace zenbelts
