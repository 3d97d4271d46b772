#include "catalogue/SatelliteList.h"
#include "cli/Cli.h"
#include "cli/CliFixture.h"
#include "model/Diagnose.h"
#include "model/MountSettings.h"
#include "model/SettingsArchive.h"
#include "plot/ArcTable.h"
#include "text/AngleText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zenbelts::cli {
namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using testing::StartsWith;

// A set-up from `new` and observations of a mount whose dish declination is
// 0.7° off: due south of the site, as here, only that can be told for sure.
class DiagnoseCommand : public CliFixture {
protected:
    void SetUp() override
    {
        std::string list;
        for (int p = 200; p <= 1300; p += 100)
            list += (p < 1000 ? "0" : "") + std::to_string(p) + "=S" + std::to_string(p) + "\n";
        MakeFolder(list);
        ASSERT_TRUE(LoadSatelliteListFile(Path("sats.lst"), catalogue_));
        ASSERT_EQ(Run({"new", "-o", Path("a.zb")}), ExitOk) << err_.str();
        settings_ = Read("a.zb");

        truth_ = settings_;
        truth_.autoDeclination = 0;
        truth_.declination += 7;
        truth_.Recalculate(false);
        for (const ArcRow& row : ComputeArcTable(truth_, catalogue_)) {
            if (row.elevation >= 5.0)
                observations_.push_back({row.position, row.motorAngle, row.offset});
        }
        ASSERT_GE(observations_.size(), 5u);
        observations_[1].offset.reset();  // not tried there
        std::ofstream(Path("seen.csv")) << WriteObservations(observations_);
    }

    Diagnosis Expected() const { return Diagnose(settings_, catalogue_, observations_); }

    SatelliteCatalogue catalogue_;
    MountSettings settings_, truth_;
    std::vector<Observation> observations_;
};

TEST_F(DiagnoseCommand, ReportsTheFitTheResidualsAndWhatToTurn)
{
    ASSERT_EQ(Run({"diagnose", Path("a.zb"), Path("seen.csv")}), ExitOk) << err_.str();
    const std::string text = out_.str();
    const Diagnosis d = Expected();
    EXPECT_THAT(text, StartsWith("Diagnosis of " + Path("a.zb") + " from "
                                 + std::to_string(observations_.size()) + " observations in "));
    // The declination as found, and its change, in the panel's letters.
    EXPECT_THAT(text, HasSubstr("Dish declination   6.4\u00b0S     5.7\u00b0S     0.7\u00b0N\n"));
    EXPECT_THAT(text, HasSubstr("Motor azimuth      0.0\u00b0E     0.0\u00b0E     none\n"));
    EXPECT_THAT(text, HasSubstr("Root-mean-square: "));
    EXPECT_THAT(text, HasSubstr(" as found.\n"));
    EXPECT_THAT(
        text, HasSubstr("Undetermined: Pole N/S, Pole E/W, Motor azimuth, Motor elevation, Dish azimuth\n"));
    ASSERT_FALSE(d.advice.empty());
    EXPECT_THAT(text, HasSubstr("To bring the mount to the set-up:\n"));
    for (const TurnAdvice& t : d.advice)
        EXPECT_THAT(text, HasSubstr("  " + t.text + "\n"));
    EXPECT_THAT(text, HasSubstr("  Dish declination: turn 0.7\u00b0 S, from 5.7\u00b0S to 6.4\u00b0S\n"));
    // One row per observation; the one without an offset shows none.
    for (const ObservationResidual& r : d.residuals)
        EXPECT_THAT(text, HasSubstr("\n" + FormatSatelliteLabel(r.position) + " ")) << r.position;
    EXPECT_THAT(text, HasSubstr(" -        -\n"));
    EXPECT_EQ(err_.str(), "");
}

TEST_F(DiagnoseCommand, ObservationsOfTheSetUpLeaveNothingToTurn)
{
    std::vector<Observation> exact;
    for (const ArcRow& row : ComputeArcTable(settings_, catalogue_)) {
        if (row.elevation >= 5.0)
            exact.push_back({row.position, row.motorAngle, row.offset});
    }
    std::ofstream(Path("exact.csv")) << WriteObservations(exact);
    ASSERT_EQ(Run({"diagnose", Path("a.zb"), Path("exact.csv")}), ExitOk) << err_.str();
    EXPECT_THAT(out_.str(), HasSubstr("\nNothing to turn: the mount stands as the set-up.\n"));
    EXPECT_THAT(out_.str(),
                HasSubstr("Root-mean-square: 0.000\u00b0 with the set-up, 0.000\u00b0 as found."));
}

TEST_F(DiagnoseCommand, JsonGivesTheFieldsByNameInTenthsAndDegrees)
{
    ASSERT_EQ(Run({"diagnose", "--json", Path("a.zb"), Path("seen.csv")}), ExitOk) << err_.str();
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(out_.str()), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << out_.str();
    const QJsonObject o = json.object();
    const Diagnosis d = Expected();

    for (const char* key : {"adjustments", "changes"})
        ASSERT_TRUE(o[key].isObject()) << key;
    for (std::size_t i = 0; i < Adjustments.size(); ++i) {
        const QString name = QString::fromLatin1(Adjustments[i].name);
        const QJsonValue fitted = o["adjustments"].toObject()[name], change = o["changes"].toObject()[name];
        ASSERT_TRUE(fitted.isDouble() && change.isDouble()) << Adjustments[i].name;
        EXPECT_EQ(fitted.toInt(), d.fitted[i]) << Adjustments[i].name;
        EXPECT_EQ(change.toInt(), d.change[i]) << Adjustments[i].name;
    }
    EXPECT_EQ(o["adjustments"].toObject()["declination"].toInt(), -57);
    EXPECT_EQ(o["changes"].toObject()["declination"].toInt(), 7);

    ASSERT_TRUE(o["rmsBefore"].isDouble() && o["rmsAfter"].isDouble());
    EXPECT_DOUBLE_EQ(o["rmsBefore"].toDouble(), d.rmsBefore);
    EXPECT_DOUBLE_EQ(o["rmsAfter"].toDouble(), d.rmsAfter);
    EXPECT_GT(o["rmsBefore"].toDouble(), o["rmsAfter"].toDouble());

    const QJsonArray residuals = o["residuals"].toArray();
    ASSERT_EQ(residuals.size(), static_cast<qsizetype>(observations_.size()));
    for (qsizetype i = 0; i < residuals.size(); ++i) {
        const QJsonObject r = residuals[i].toObject();
        const ObservationResidual& expected = d.residuals[static_cast<std::size_t>(i)];
        EXPECT_EQ(r["position"].toInt(-1), expected.position) << i;
        ASSERT_TRUE(r["motorAngle"].isDouble()) << i;
        EXPECT_DOUBLE_EQ(r["motorAngle"].toDouble(), expected.motorAfter) << i;
        if (i == 1) {
            EXPECT_TRUE(r["offset"].isNull()) << "not observed";
        } else {
            ASSERT_TRUE(r["offset"].isDouble()) << i;
            EXPECT_DOUBLE_EQ(r["offset"].toDouble(), *expected.offsetAfter) << i;
        }
    }

    ASSERT_TRUE(o["unresolved"].isArray());
    QStringList unresolved;
    for (const QJsonValue& v : o["unresolved"].toArray()) {
        ASSERT_TRUE(v.isString());
        unresolved << v.toString();
    }
    QStringList expected;
    for (const std::string& name : d.unresolved)
        expected << QString::fromStdString(name);
    EXPECT_EQ(unresolved, expected);
    EXPECT_TRUE(unresolved.contains("poleNS"));
}

TEST_F(DiagnoseCommand, WritesTheMountAsFoundAsAFileThatOpensAgain)
{
    ASSERT_EQ(Run({"diagnose", Path("a.zb"), Path("seen.csv"), "-o", Path("found.zb")}), ExitOk)
        << err_.str();
    EXPECT_THAT(out_.str(), HasSubstr("The mount as found is in " + Path("found.zb") + ".\n"));
    const MountSettings found = Read("found.zb");
    EXPECT_EQ(found, FittedSettings(settings_, Expected()));
    EXPECT_EQ(found, truth_);
    EXPECT_EQ(Read("a.zb"), settings_) << "the set-up is left alone";
    ASSERT_EQ(Run({"show", Path("found.zb")}), ExitOk) << err_.str();

    // JSON stays JSON with -o.
    ASSERT_EQ(Run({"diagnose", Path("a.zb"), Path("seen.csv"), "--json", "-o", Path("found2.zb")}), ExitOk);
    EXPECT_THAT(out_.str(), StartsWith("{"));
    EXPECT_EQ(Bytes("found2.zb"), Bytes("found.zb"));
}

TEST_F(DiagnoseCommand, RefusesWithOneLineNamingTheFileAndLine)
{
    const std::string header = "position,motorAngle,offset\n";
    std::ofstream(Path("bad.csv")) << header << "77.0E,0.1,-0.2\n\n30.0E,abc,\n";
    std::ofstream(Path("empty.csv")) << header;
    std::ofstream(Path("low.csv")) << header << "77.0E,0,\n100.0W,10,\n";
    std::ofstream(Path("headless.csv")) << "77.0E,0,\n";
    fs::create_directory(Path("folder.csv"));
    const std::string seen = Bytes("seen.csv");

    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string message;  // the whole line, or its start when it ends in "..."
    };
    const std::vector<Case> cases = {
        {"BadNumber",
         {"diagnose", Path("a.zb"), Path("bad.csv"), "-o", Path("out.zb")},
         Path("bad.csv") + ": line 4: the motor angle is not a number"},
        {"NoHeader",
         {"diagnose", Path("a.zb"), Path("headless.csv")},
         Path("headless.csv") + ": line 1: the header must be position,motorAngle,offset"},
        {"NoObservations",
         {"diagnose", Path("a.zb"), Path("empty.csv")},
         Path("empty.csv") + ": no observations"},
        {"BelowHorizon",
         {"diagnose", Path("a.zb"), Path("low.csv")},
         Path("low.csv") + ": 100.0\u00b0W is below the horizon here"},
        {"MissingObservations",
         {"diagnose", Path("a.zb"), Path("none.csv")},
         Path("none.csv") + ": cannot open it..."},
        {"Folder", {"diagnose", Path("a.zb"), Path("folder.csv")}, Path("folder.csv") + ": ..."},
        {"MissingSetUp",
         {"diagnose", Path("none.zb"), Path("seen.csv")},
         Path("none.zb") + ": cannot open it..."},
        {"OverTheObservations",
         {"diagnose", Path("a.zb"), Path("seen.csv"), "-o", Path("seen.csv")},
         Path("seen.csv") + ": refused as the output: it is the input file"},
        {"OverTheSetUp",
         {"diagnose", Path("a.zb"), Path("seen.csv"), "-o", Path("a.zb")},
         Path("a.zb") + ": refused as the output: it is the input file"},
        {"OneFile",
         {"diagnose", Path("a.zb")},
         "zenbelts-cli: diagnose takes a set-up and a file of observations..."},
        {"ThreeFiles",
         {"diagnose", Path("a.zb"), Path("seen.csv"), Path("seen.csv")},
         "zenbelts-cli: diagnose takes..."},
        {"UnknownOption", {"diagnose", Path("a.zb"), Path("seen.csv"), "--fast"}, "zenbelts-cli: ..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Run(c.args), ExitFailure);
        const std::string error = err_.str();
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
        if (c.message.ends_with("..."))
            EXPECT_THAT(error, StartsWith(c.message.substr(0, c.message.size() - 3)));
        else
            EXPECT_EQ(error, c.message + "\n");
        EXPECT_EQ(out_.str(), "");
    }
    EXPECT_FALSE(fs::exists(Path("out.zb")));
    EXPECT_EQ(Bytes("seen.csv"), seen);
    EXPECT_EQ(Read("a.zb"), settings_);
}

}  // namespace
}  // namespace zenbelts::cli
