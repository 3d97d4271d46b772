#include "model/Diagnose.h"

#include "geometry/Geodesy.h"
#include "geometry/Matrix.h"
#include "geometry/MountModel.h"
#include "model/OptimiseMount.h"
#include "model/RoundTrip.h"
#include "model/Sites.h"
#include "plot/ArcTable.h"
#include "text/AngleText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>

namespace zenbelts {
namespace {

// ---- The observations file ----

struct ParseCase {
    const char* name;
    const char* text;
    std::vector<Observation> expected;
};

class ObservationsParse : public testing::TestWithParam<ParseCase> {};

TEST_P(ObservationsParse, ReadsTheRows)
{
    const ParseCase& c = GetParam();
    std::vector<Observation> read;
    ASSERT_NO_THROW(read = ParseObservations(c.text));
    EXPECT_EQ(read, c.expected);
    std::istringstream in(c.text);
    EXPECT_EQ(ReadObservations(in), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Observations, ObservationsParse,
    testing::Values(
        ParseCase{"HeaderOnly", "position,motorAngle,offset\n", {}},
        ParseCase{"ProgramPositions",
                  "position,motorAngle,offset\n130,12.5,-0.25\n0,0,0\n3599,-1,\n",
                  {{130, 12.5, -0.25}, {0, 0.0, 0.0}, {3599, -1.0, std::nullopt}}},
        ParseCase{"Labels",
                  "position,motorAngle,offset\n19.2E,1,\n0.8W,2,\n180.0W,3,\n180E,4,\n0.0W,5,\n13.0\xC2\xB0"
                  "E,6,\n5w,7,\n",
                  {{192, 1.0, std::nullopt},
                   {3592, 2.0, std::nullopt},
                   {1800, 3.0, std::nullopt},
                   {1800, 4.0, std::nullopt},
                   {0, 5.0, std::nullopt},
                   {130, 6.0, std::nullopt},
                   {3550, 7.0, std::nullopt}}},
        ParseCase{"CrLfBomSpacesQuotesAndBlankLines",
                  "\xEF\xBB\xBF Position , MotorAngle,OFFSET\r\n\r\n \"19.2E\" , +3.5 , \"-0.1\"\r\n  "
                  "\r\n0.8W,-2e1\r\n",
                  {{192, 3.5, -0.1}, {3592, -20.0, std::nullopt}}},
        ParseCase{"NoFinalLineEnd", "position,motorAngle,offset\n100,-180,90", {{100, -180.0, 90.0}}},
        ParseCase{"CrOnly",
                  "position,motorAngle,offset\r\r100,1,\r13.0E,2,0.5",
                  {{100, 1.0, std::nullopt}, {130, 2.0, 0.5}}}),
    [](const testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

struct RefusalCase {
    const char* name;
    const char* text;
    int line;
    const char* message;
};

class ObservationsRefuse : public testing::TestWithParam<RefusalCase> {};

TEST_P(ObservationsRefuse, NamesTheLine)
{
    const RefusalCase& c = GetParam();
    try {
        ParseObservations(c.text);
        FAIL() << "accepted";
    } catch (const ObservationsError& e) {
        EXPECT_EQ(e.line(), c.line);
        EXPECT_STREQ(e.what(), c.message);
    }
}

constexpr const char* H = "position,motorAngle,offset\n";
const std::string Header(H);
const std::string MotorNan = Header + "130,1,\n130,nan,\n";
const std::string MotorText = Header + "130,1,\n\n140,abc,0.1\n";
const std::string MotorInf = Header + "130,inf,\n";
const std::string MotorWide = Header + "130,180.5,\n";
const std::string MotorEmpty = Header + "130,,1\n";
const std::string OffsetText = Header + "130,1,0.1x\n";
const std::string OffsetWide = Header + "130,1,-91\n";
const std::string TooMany = Header + "130,1,2,3\n";
const std::string TooFew = Header + "130\n";
const std::string NoPosition = Header + ",1,2\n";
const std::string LongLine = Header + "130,1," + std::string(ObservationsMaxLineBytes, '0') + "\n";
const std::string HalfTenth = Header + "19.25E,1,\n";
const std::string PastHalf = Header + "180.1E,1,\n";
const std::string TooFar = Header + "3600,1,\n";
const std::string Negative = Header + "-5,1,\n";
const std::string Decimal = Header + "13.0,1,\n";
const std::string Exponent = Header + "1e2,1,\n";
const std::string LetterFirst = Header + "E19.2,1,\n";

INSTANTIATE_TEST_SUITE_P(
    Observations, ObservationsRefuse,
    testing::Values(RefusalCase{"Empty", "", 1, "line 1: the header must be position,motorAngle,offset"},
                    RefusalCase{"NoHeader", "130,1,2\n", 1,
                                "line 1: the header must be position,motorAngle,offset"},
                    RefusalCase{"ShortHeader", "position,motorAngle\n", 1,
                                "line 1: the header must be position,motorAngle,offset"},
                    RefusalCase{"BlankFirstLine", "\nposition,motorAngle,offset\n", 1,
                                "line 1: the header must be position,motorAngle,offset"},
                    RefusalCase{"MotorNan", MotorNan.c_str(), 3, "line 3: the motor angle is not a number"},
                    RefusalCase{"MotorText", MotorText.c_str(), 4, "line 4: the motor angle is not a number"},
                    RefusalCase{"MotorInf", MotorInf.c_str(), 2, "line 2: the motor angle is not a number"},
                    RefusalCase{"MotorWide", MotorWide.c_str(), 2,
                                "line 2: the motor angle is out of range (-180 to 180 degrees)"},
                    RefusalCase{"MotorEmpty", MotorEmpty.c_str(), 2, "line 2: the motor angle is missing"},
                    RefusalCase{"OffsetText", OffsetText.c_str(), 2, "line 2: the offset is not a number"},
                    RefusalCase{"OffsetWide", OffsetWide.c_str(), 2,
                                "line 2: the offset is out of range (-90 to 90 degrees)"},
                    RefusalCase{"TooMany", TooMany.c_str(), 2,
                                "line 2: expected 3 fields (position,motorAngle,offset), found 4"},
                    RefusalCase{"TooFew", TooFew.c_str(), 2,
                                "line 2: expected 3 fields (position,motorAngle,offset), found 1"},
                    RefusalCase{"NoPosition", NoPosition.c_str(), 2, "line 2: the position is missing"},
                    RefusalCase{"LongLine", LongLine.c_str(), 2, "line 2: the line is longer than 1 KiB"},
                    RefusalCase{"HalfTenth", HalfTenth.c_str(), 2,
                                "line 2: the position is neither 0 to 3599 tenths nor a label like 19.2E"},
                    RefusalCase{"PastHalf", PastHalf.c_str(), 2,
                                "line 2: the position is neither 0 to 3599 tenths nor a label like 19.2E"},
                    RefusalCase{"TooFar", TooFar.c_str(), 2,
                                "line 2: the position is neither 0 to 3599 tenths nor a label like 19.2E"},
                    RefusalCase{"Negative", Negative.c_str(), 2,
                                "line 2: the position is neither 0 to 3599 tenths nor a label like 19.2E"},
                    RefusalCase{"DecimalWithoutLetter", Decimal.c_str(), 2,
                                "line 2: the position is neither 0 to 3599 tenths nor a label like 19.2E"},
                    RefusalCase{"Exponent", Exponent.c_str(), 2,
                                "line 2: the position is neither 0 to 3599 tenths nor a label like 19.2E"},
                    RefusalCase{"LetterFirst", LetterFirst.c_str(), 2,
                                "line 2: the position is neither 0 to 3599 tenths nor a label like 19.2E"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(Observations, Utf16FromASpreadsheetReads)
{
    const std::string ascii = "position,motorAngle,offset\r\n19.2E,3.5,\r\n";
    std::string little = "\xFF\xFE", big = "\xFE\xFF";
    for (char c : ascii) {
        little += {c, '\0'};
        big += {'\0', c};
    }
    for (const std::string& text : {little, big})
        EXPECT_EQ(ParseObservations(text), (std::vector<Observation>{{192, 3.5, std::nullopt}}));
}

TEST(Observations, WrittenTextReadsBackTheSame)
{
    const std::vector<Observation> rows = {{0, 0.1 + 0.2, std::nullopt},
                                           {1800, -180.0, 90.0},
                                           {1801, 1e-7, -0.0},
                                           {3599, 179.99999999999997, -89.5},
                                           {192, -12.345678901234567, 1.0 / 3},
                                           {1799, 180.0, std::nullopt}};
    const std::string text = WriteObservations(rows);
    EXPECT_EQ(text.substr(0, text.find('\n')), ObservationsHeader);
    EXPECT_NE(text.find("\n180.0E,"), std::string::npos);
    EXPECT_NE(text.find("\n179.9W,"), std::string::npos);
    EXPECT_NE(text.find("\n0.0E,"), std::string::npos);
    const std::vector<Observation> back = ParseObservations(text);
    ASSERT_EQ(back.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(back[i].position, rows[i].position) << i;
        // Bit for bit: the shortest text that keeps the value.
        EXPECT_EQ(back[i].motorAngle, rows[i].motorAngle) << i;
        EXPECT_EQ(back[i].offset, rows[i].offset) << i;
    }
}

// ---- The fit ----

SatelliteCatalogue EveryTwoDegrees()
{
    SatelliteCatalogue c;
    for (int p = 0; p < PositionCount; p += 20)
        c.InsertOrRename(p, "S");
    return c;
}

using testing_support::At;

std::vector<int> Visible(const MountSettings& s, const SatelliteCatalogue& catalogue)
{
    std::vector<int> positions;
    for (const SatelliteEntry& e : catalogue) {
        if (ElevationAboveHorizon(s.latitude * ArcMinutesToRadians, s.longitude * ArcMinutesToRadians,
                                  s.altitude, RingPointAtTenths(e.position))
            >= MinimumElevationDegrees / RadiansToDegrees)
            positions.push_back(e.position);
    }
    return positions;
}

// What one would find at a dish standing as `truth`: its arc table, read with
// noise, at `count` satellites spread along the visible arc.
std::vector<Observation> Observe(const MountSettings& truth, const SatelliteCatalogue& catalogue, int count,
                                 bool offsets, double noise, std::mt19937& random)
{
    std::normal_distribution<double> error(0.0, noise);
    const std::vector<int> visible = Visible(truth, catalogue);
    const std::vector<ArcRow> table = ComputeArcTable(truth, catalogue);
    std::vector<Observation> observed;
    for (int k = 0; k < count; ++k) {
        const int position
            = visible[static_cast<std::size_t>(k) * (visible.size() - 1) / std::max(1, count - 1)];
        const ArcRow& row = *std::find_if(table.begin(), table.end(),
                                          [&](const ArcRow& r) { return r.position == position; });
        Observation o{position, row.motorAngle + error(random), std::nullopt};
        if (offsets)
            o.offset = row.offset + error(random);
        observed.push_back(o);
    }
    return observed;
}

// The set-up moved by up to `spread` tenths in each adjustment, kept inside
// its limits (a real mount cannot stand outside them).
MountSettings Moved(const MountSettings& file, int spread, std::mt19937& random)
{
    std::uniform_int_distribution<int> move(-spread, spread);
    MountSettings truth = file;
    truth.autoDeclination = 0;
    for (const AdjustmentInfo& a : Adjustments) {
        if (&a != &Adjustments.back())
            truth.*(a.value) = std::clamp(truth.*(a.value) + move(random), a.Lower(truth), a.Upper(truth));
    }
    truth.Recalculate(false);
    truth.declination = std::clamp(truth.declinationAuto + move(random), Adjustments.back().Lower(truth),
                                   Adjustments.back().Upper(truth));
    truth.Recalculate(false);
    return truth;
}

struct Misfit {
    double motor = 0.0, offset = 0.0;
};

// The largest differences over every satellite of the list at least 5° up.
Misfit Compare(const MountSettings& a, const MountSettings& b, const SatelliteCatalogue& catalogue)
{
    const std::vector<int> visible = Visible(a, catalogue);
    const std::vector<ArcRow> ta = ComputeArcTable(a, catalogue), tb = ComputeArcTable(b, catalogue);
    Misfit m;
    for (std::size_t i = 0; i < ta.size(); ++i) {
        if (!std::binary_search(visible.begin(), visible.end(), ta[i].position))
            continue;
        m.motor = std::max(m.motor, std::fabs(std::remainder(ta[i].motorAngle - tb[i].motorAngle, 360.0)));
        m.offset = std::max(m.offset, std::fabs(ta[i].offset - tb[i].offset));
    }
    return m;
}

std::array<int, 6> Values(const MountSettings& s)
{
    std::array<int, 6> v{};
    for (std::size_t i = 0; i < 6; ++i)
        v[i] = s.*(Adjustments[i].value);
    return v;
}

// The largest differences between a mount's arc table and the fit before
// rounding, over every satellite of the list at least 5° up.
Misfit CompareExact(const MountSettings& truth, const Diagnosis& d, const SatelliteCatalogue& catalogue)
{
    const std::vector<int> visible = Visible(truth, catalogue);
    Misfit m;
    for (const ArcRow& row : ComputeArcTable(truth, catalogue)) {
        if (!std::binary_search(visible.begin(), visible.end(), row.position))
            continue;
        const PredictedAngles p = PredictAngles(truth, d.exact, row.position);
        m.motor = std::max(m.motor, std::fabs(std::remainder(row.motorAngle - p.motorAngle, 360.0)));
        m.offset = std::max(m.offset, std::fabs(row.offset - p.offset));
    }
    return m;
}

struct FitCase {
    const char* name;
    int latitude, longitude;
    int count;
    bool offsets;
    // Narrow limits (tenths) for every adjustment, or 0 for the factory's.
    int limit;
};

class DiagnoseFit : public testing::TestWithParam<FitCase> {};

// The mount stands off the set-up by up to 2° in each adjustment: the fit
// must reproduce the beam of every satellite, observed or not. The
// adjustments themselves need not come back: some combinations move the beam
// alike.
TEST_P(DiagnoseFit, ReproducesEverySatelliteUp)
{
    const FitCase& c = GetParam();
    const SatelliteCatalogue catalogue = EveryTwoDegrees();
    MountSettings file = At(c.latitude, c.longitude, catalogue);
    if (c.limit) {
        for (const AdjustmentInfo& a : Adjustments) {
            file.*(a.min) = a.automatic ? -c.limit : file.*(a.value) - c.limit;
            file.*(a.max) = a.automatic ? c.limit : file.*(a.value) + c.limit;
        }
    }
    ASSERT_TRUE(HasValidInputs(file));
    // Whole tenths reproduce the fit to what rounding can: with every
    // adjustment free, the lattice of tenths is fine enough along the beam;
    // an adjustment held at its limit takes away a way to make up for another
    // one's rounding, which can cost up to half a tenth more.
    const double wholeTenths = c.limit ? 0.1 : 0.05;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const MountSettings truth = Moved(file, 20, random);
        const std::vector<Observation> observed = Observe(truth, catalogue, c.count, c.offsets, 0.01, random);
        const Diagnosis d = Diagnose(file, catalogue, observed);
        const MountSettings fitted = FittedSettings(file, d);

        const Misfit exact = CompareExact(truth, d, catalogue);
        EXPECT_LE(exact.motor, 0.05);
        const Misfit whole = Compare(truth, fitted, catalogue);
        EXPECT_LE(whole.motor, wholeTenths);
        if (c.offsets) {
            EXPECT_LE(exact.offset, 0.05);
            EXPECT_LE(whole.offset, wholeTenths);
        }
        EXPECT_EQ(Values(fitted), d.fitted);
        EXPECT_TRUE(StoresAndLoadsTheSame(fitted));

        EXPECT_LT(d.rmsAfter, wholeTenths);
        EXPECT_LT(d.rmsAfter, d.rmsBefore);
        ASSERT_EQ(d.residuals.size(), observed.size());
        for (std::size_t i = 0; i < observed.size(); ++i) {
            EXPECT_EQ(d.residuals[i].position, observed[i].position);
            EXPECT_EQ(d.residuals[i].offsetAfter.has_value(), c.offsets);
            EXPECT_EQ(d.residuals[i].offsetBefore.has_value(), c.offsets);
        }
        // Turning as advised brings the fitted mount to the set-up.
        std::array<int, 6> turned = d.fitted;
        for (const TurnAdvice& t : d.advice) {
            const AdjustmentInfo& a = Adjustments[static_cast<std::size_t>(t.adjustment)];
            turned[static_cast<std::size_t>(t.adjustment)]
                += (t.direction == a.positive ? 1 : -1) * static_cast<int>(std::lround(t.degrees * 10));
        }
        EXPECT_EQ(turned, Values(file));
        for (std::size_t i = 0; i < 6; ++i)
            EXPECT_EQ(d.change[i], d.fitted[i] - Values(file)[i]);
        // Pole N/S against motor elevation can never be told apart.
        EXPECT_NE(std::find(d.unresolved.begin(), d.unresolved.end(), "poleNS"), d.unresolved.end());
        EXPECT_NE(std::find(d.unresolved.begin(), d.unresolved.end(), "motorElevation"), d.unresolved.end());
        EXPECT_EQ(d.determinable, 4);
    }
}

INSTANTIATE_TEST_SUITE_P(Diagnose, DiagnoseFit,
                         testing::Values(FitCase{"North43", 2600, 4620, 6, true, 0},
                                         FitCase{"North43Twelve", 2600, 4620, 12, true, 0},
                                         FitCase{"North60West", 3600, -1200, 6, true, 0},
                                         FitCase{"North6", 360, 600, 6, true, 0},
                                         FitCase{"South20", -1200, 3000, 6, true, 0},
                                         FitCase{"South34West", -2040, -3500, 6, true, 0},
                                         FitCase{"North43Limits", 2600, 4620, 6, true, 8},
                                         FitCase{"South34Limits", -2040, 1500, 6, true, 6},
                                         FitCase{"North43MotorOnly", 2600, 4620, 6, false, 0},
                                         FitCase{"North55MotorOnly", 3300, 1000, 6, false, 0},
                                         FitCase{"South20MotorOnly", -1200, 3000, 6, false, 0},
                                         FitCase{"South34MotorOnlyTwelve", -2040, -3500, 12, false, 0},
                                         FitCase{"South20MotorOnlyLimits", -1200, 3000, 6, false, 8}),
                         [](const testing::TestParamInfo<FitCase>& info) { return info.param.name; });

// A real mount stands anywhere, not on whole tenths: the fit itself, before
// rounding, reproduces the beam.
TEST(Diagnose, ExactFitOfAContinuousMount)
{
    const SatelliteCatalogue catalogue = EveryTwoDegrees();
    for (const auto& [latitude, longitude] :
         {std::pair{2600, 4620}, std::pair{-1800, -4000}, std::pair{3800, 900}}) {
        const MountSettings file = At(latitude, longitude, catalogue);
        for (unsigned seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(std::to_string(latitude) + " seed " + std::to_string(seed));
            std::mt19937 random(seed);
            std::uniform_real_distribution<double> move(-2.0, 2.0);
            std::normal_distribution<double> noise(0.0, 0.01);
            std::array<double, 6> truth{};
            for (std::size_t i = 0; i < 6; ++i)
                truth[i] = Values(file)[i] / 10.0 + move(random);
            const std::vector<int> visible = Visible(file, catalogue);
            std::vector<Observation> observed;
            for (std::size_t k = 0; k < 6; ++k) {
                const int position = visible[k * (visible.size() - 1) / 5];
                const PredictedAngles a = PredictAngles(file, truth, position);
                observed.push_back({position, a.motorAngle + noise(random), a.offset + noise(random)});
            }
            const Diagnosis d = Diagnose(file, catalogue, observed);
            double worst = 0.0;
            for (int position : visible) {
                const PredictedAngles t = PredictAngles(file, truth, position);
                const PredictedAngles f = PredictAngles(file, d.exact, position);
                worst = std::max(
                    {worst, std::fabs(t.motorAngle - f.motorAngle), std::fabs(t.offset - f.offset)});
            }
            EXPECT_LE(worst, 0.05);
            // Rounding to tenths adds at most what a twentieth of a degree in
            // the declination and in the tilt of the motor axis can.
            double rounded = 0.0;
            std::array<double, 6> whole{};
            for (std::size_t i = 0; i < 6; ++i)
                whole[i] = d.fitted[i] / 10.0;
            for (int position : visible) {
                const PredictedAngles t = PredictAngles(file, truth, position);
                const PredictedAngles f = PredictAngles(file, whole, position);
                rounded = std::max(
                    {rounded, std::fabs(t.motorAngle - f.motorAngle), std::fabs(t.offset - f.offset)});
            }
            EXPECT_LE(rounded, worst + 0.1);
        }
    }
}

TEST(Diagnose, PredictionIsTheArcTable)
{
    const SatelliteCatalogue catalogue = EveryTwoDegrees();
    for (const auto& [latitude, longitude] :
         {std::pair{2600, 4620}, std::pair{-2600, -600}, std::pair{0, 1000}}) {
        MountSettings s = At(latitude, longitude, catalogue);
        s.poleNS = 13;
        s.poleEW = -21;
        s.motorAzimuth = 7;
        s.dishAzimuth = -35;
        s.Recalculate(false);
        std::array<double, 6> degrees{};
        for (std::size_t i = 0; i < 6; ++i)
            degrees[i] = Values(s)[i] / 10.0;
        for (const ArcRow& row : ComputeArcTable(s, catalogue)) {
            const PredictedAngles p = PredictAngles(s, degrees, row.position);
            ASSERT_NEAR(p.motorAngle, row.motorAngle, 1e-9) << latitude << " " << row.position;
            ASSERT_NEAR(p.offset, row.offset, 1e-9) << latitude << " " << row.position;
        }
    }
}

TEST(Diagnose, ObservationsOfTheSetUpChangeNothing)
{
    const SatelliteCatalogue catalogue = EveryTwoDegrees();
    for (int latitude : {2600, -2600}) {
        const MountSettings file = At(latitude, 4620, catalogue);
        std::mt19937 random(7);
        const Diagnosis d = Diagnose(file, catalogue, Observe(file, catalogue, 5, true, 0.0, random));
        EXPECT_EQ(d.fitted, Values(file)) << latitude;
        EXPECT_TRUE(d.advice.empty()) << latitude;
        EXPECT_TRUE(d.autoDeclination) << latitude;
        EXPECT_LT(d.rmsBefore, 1e-9) << latitude;
        EXPECT_EQ(FittedSettings(file, d), file) << latitude;
    }
}

// The declination alone is off: the advice says which way to turn it back,
// with the compass letters the panel uses in either hemisphere.
TEST(Diagnose, AdvisesTurningBackTheWayTheMountIsOff)
{
    const SatelliteCatalogue catalogue = EveryTwoDegrees();
    struct Case {
        int latitude, move;
        char direction;
    };
    for (const Case& c :
         {Case{2600, 5, 'S'}, Case{2600, -7, 'N'}, Case{-2000, 5, 'S'}, Case{-2000, -3, 'N'}}) {
        SCOPED_TRACE(std::to_string(c.latitude) + " " + std::to_string(c.move));
        const MountSettings file = At(c.latitude, 1200, catalogue);
        MountSettings truth = file;
        truth.autoDeclination = 0;
        truth.declination += c.move;
        truth.Recalculate(false);
        std::mt19937 random(1);
        const Diagnosis d = Diagnose(file, catalogue, Observe(truth, catalogue, 4, true, 0.0, random));
        EXPECT_EQ(d.fitted, Values(truth));
        EXPECT_EQ(d.change[5], c.move);
        ASSERT_EQ(d.advice.size(), 1u);
        EXPECT_EQ(d.advice[0].adjustment, 5);
        EXPECT_EQ(d.advice[0].direction, c.direction);
        EXPECT_DOUBLE_EQ(d.advice[0].degrees, std::abs(c.move) / 10.0);
        const std::string turn = "Dish declination: turn " + std::to_string(std::abs(c.move) / 10) + "."
                                 + std::to_string(std::abs(c.move) % 10) + "\xC2\xB0 " + c.direction
                                 + ", from ";
        EXPECT_EQ(d.advice[0].text.substr(0, turn.size()), turn);
        EXPECT_FALSE(d.autoDeclination);
        const MountSettings fitted = FittedSettings(file, d);
        EXPECT_EQ(fitted.autoDeclination, 0);
        EXPECT_EQ(fitted, truth);
        EXPECT_TRUE(StoresAndLoadsTheSame(fitted));
    }
}

// The pole leans 1° north; the motor elevation, which tilts the motor axis
// the same way, can hardly move within its limits: the pole takes the rest.
TEST(Diagnose, KeepsIndistinguishableAdjustmentsWithinTheirLimits)
{
    const SatelliteCatalogue catalogue = EveryTwoDegrees();
    for (int latitude : {2600, -2600}) {
        SCOPED_TRACE(latitude);
        MountSettings file = At(latitude, 4620, catalogue);
        file.motorElevationMin = -1;
        file.motorElevationMax = 1;
        file.Recalculate(false);
        MountSettings truth = file;
        truth.poleNS = 10;
        truth.Recalculate(false);
        std::mt19937 random(3);
        const Diagnosis d = Diagnose(file, catalogue, Observe(truth, catalogue, 6, true, 0.0, random));
        const MountSettings fitted = FittedSettings(file, d);
        EXPECT_TRUE(HasValidInputs(fitted));
        EXPECT_EQ(d.change[0] + d.change[3], 10);
        EXPECT_LE(std::abs(d.change[3]), 1);
        EXPECT_LE(Compare(truth, fitted, catalogue).offset, 1e-3);
        const auto pole = std::find_if(d.advice.begin(), d.advice.end(),
                                       [](const TurnAdvice& t) { return t.adjustment == 0; });
        ASSERT_NE(pole, d.advice.end());
        EXPECT_EQ(pole->direction, 'S');
        EXPECT_NE(d.explanation.find("Pole N/S and Motor elevation move the beam alike"), std::string::npos)
            << d.explanation;
    }
}

// Two satellites leave more open than the mount's own ambiguities; the
// satellite proposed must actually settle some of it.
TEST(Diagnose, TwoSatellitesNameWhatIsUndetermined)
{
    const SatelliteCatalogue catalogue = EveryTwoDegrees();
    struct Case {
        const char* name;
        int latitude, longitude;
        bool offsets;
        const char* mustName;
    };
    for (const Case& c :
         {Case{"North", 2600, 4620, false, "declination"}, Case{"South", -2040, -3500, false, "declination"},
          Case{"NorthOffsets", 2600, 4620, true, "poleNS"}}) {
        SCOPED_TRACE(c.name);
        const MountSettings file = At(c.latitude, c.longitude, catalogue);
        std::mt19937 random(11);
        const MountSettings truth = Moved(file, 20, random);
        const std::vector<int> visible = Visible(file, catalogue);
        // Two satellites close together, as one might find first.
        std::vector<Observation> observed
            = Observe(truth, catalogue, static_cast<int>(visible.size()), c.offsets, 0.01, random);
        observed = {observed[visible.size() / 2], observed[visible.size() / 2 + 2]};
        const Diagnosis d = Diagnose(file, catalogue, observed);
        EXPECT_NE(std::find(d.unresolved.begin(), d.unresolved.end(), std::string(c.mustName)),
                  d.unresolved.end());
        EXPECT_LT(d.determined, d.determinable);
        EXPECT_NE(d.explanation.find("These observations"), std::string::npos) << d.explanation;
        ASSERT_TRUE(d.separatingSatellite.has_value());
        EXPECT_TRUE(std::binary_search(visible.begin(), visible.end(), *d.separatingSatellite));
        EXPECT_NE(d.explanation.find(FormatSatelliteLabel(*d.separatingSatellite)), std::string::npos);

        const std::vector<ArcRow> table = ComputeArcTable(truth, catalogue);
        const ArcRow& row = table[static_cast<std::size_t>(*d.separatingSatellite / 20)];
        observed.push_back({row.position, row.motorAngle, row.offset});
        EXPECT_GT(Diagnose(file, catalogue, observed).determined, d.determined);
        EXPECT_TRUE(StoresAndLoadsTheSame(FittedSettings(file, d)));
    }
}

TEST(Diagnose, RefusesWhatCannotBeUsed)
{
    const SatelliteCatalogue catalogue = EveryTwoDegrees();
    const MountSettings file = At(2600, 4620, catalogue);
    EXPECT_THROW(Diagnose(file, catalogue, {}), DiagnoseError);
    // 100°W cannot be seen from 77°E.
    try {
        Diagnose(file, catalogue, {{1300, 0.0, 0.0}, {2600, 10.0, std::nullopt}});
        FAIL() << "accepted";
    } catch (const DiagnoseError& e) {
        EXPECT_STREQ(e.what(), "100.0\xC2\xB0W is below the horizon here");
    }
}

}  // namespace
}  // namespace zenbelts
