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

#include <cstdio>
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
        for (int p = 200; p <= 1300; p += 100) {
            char line[16];
            std::snprintf(line, sizeof line, "%04d=S%d\n", p, p);
            list += line;
        }
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
    EXPECT_THAT(text, HasSubstr("\nTo bring the mount to the set-up, turn in this order:\n"));
    for (const TurnAdvice& t : d.advice)
        EXPECT_THAT(text, HasSubstr("  " + t.text.English() + "\n"));
    // How sure, in words, before the advice.
    EXPECT_THAT(text, HasSubstr("\n\nAt worst over the satellites at least 5\u00b0 up, the mount as found"));
    EXPECT_THAT(text, HasSubstr("  Dish declination: turn 0.7\u00b0 S, from 5.7\u00b0S to 6.4\u00b0S\n"));
    // One row per observation; the one without an offset shows none.
    for (const ObservationResidual& r : d.residuals)
        EXPECT_THAT(text, HasSubstr(std::string("\n").append(FormatSatelliteLabel(r.position)).append(" ")))
            << r.position;
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

    // How sure the set-up as found is, satellite by satellite.
    EXPECT_EQ(o["precision"].toObject()["source"].toString(), QStringLiteral("estimated"));
    EXPECT_DOUBLE_EQ(o["precision"].toObject()["motor"].toDouble(), d.precision.motor);
    EXPECT_DOUBLE_EQ(o["uncertainty"].toObject()["worstMotor"].toDouble(), d.worstMotor);
    EXPECT_DOUBLE_EQ(o["uncertainty"].toObject()["worstOffset"].toDouble(), d.worstOffset);
    const QJsonArray predicted = o["predicted"].toArray();
    ASSERT_EQ(predicted.size(), static_cast<qsizetype>(d.predicted.size()));
    ASSERT_EQ(d.predicted.size(), 12u) << "every satellite of the list is up";
    const std::vector<ArcRow> found = ComputeArcTable(FittedSettings(settings_, d), catalogue_);
    for (qsizetype i = 0; i < predicted.size(); ++i) {
        const QJsonObject p = predicted[i].toObject();
        EXPECT_EQ(p["position"].toInt(), found[static_cast<std::size_t>(i)].position);
        EXPECT_NEAR(p["motorAngle"].toDouble(), found[static_cast<std::size_t>(i)].motorAngle, 1e-9);
        EXPECT_NEAR(p["offset"].toDouble(), found[static_cast<std::size_t>(i)].offset, 1e-9);
        EXPECT_GT(p["motorSigma"].toDouble(), 0.0);
        EXPECT_LE(p["motorSigma"].toDouble(), d.worstMotor);
        EXPECT_LE(p["offsetSigma"].toDouble(), d.worstOffset);
    }
    EXPECT_EQ(o["warning"].isNull(), !d.warning.has_value());
    if (d.warning) {
        EXPECT_EQ(o["warning"].toString().toStdString(), d.warning->English());
    }
    if (d.next.empty()) {
        EXPECT_TRUE(o["next"].isNull());
    } else {
        EXPECT_EQ(o["next"].toObject()["position"].toInt(), d.next.front().position);
        EXPECT_DOUBLE_EQ(o["next"].toObject()["worstAfter"].toDouble(), d.next.front().worstAfter);
    }
    ASSERT_EQ(o["advice"].toArray().size(), static_cast<qsizetype>(d.advice.size()));
    EXPECT_EQ(o["advice"].toArray()[0].toString().toStdString(), d.advice[0].text.English());
}

TEST_F(DiagnoseCommand, TakesThePrecisionAndThePriorItIsGiven)
{
    struct Case {
        const char* name;
        std::vector<std::string> options;
        DiagnoseOptions expected;
        const char* source;
    };
    DiagnoseOptions motorOnly, both, none;
    motorOnly.precision = Precision{0.05, 0.1};
    both.precision = Precision{0.05, 0.3};
    none.priorDegrees = 0.0;
    const Case cases[] = {{"MotorAlone", {"--precision", "0.05"}, motorOnly, "stated"},
                          {"Both", {"--precision", "0.05,0.3"}, both, "stated"},
                          {"NoPrior", {"--prior", "0"}, none, "estimated"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {"diagnose", "--json", Path("a.zb"), Path("seen.csv")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        ASSERT_EQ(Run(args), ExitOk) << err_.str();
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(out_.str())).object();
        const Diagnosis d = Diagnose(settings_, catalogue_, observations_, c.expected);
        EXPECT_EQ(o["precision"].toObject()["source"].toString().toStdString(), c.source);
        EXPECT_DOUBLE_EQ(o["precision"].toObject()["offset"].toDouble(), d.precision.offset);
        EXPECT_DOUBLE_EQ(o["uncertainty"].toObject()["worstMotor"].toDouble(), d.worstMotor);
        EXPECT_EQ(o["adjustments"].toObject()["declination"].toInt(), d.fitted[5]);
    }
    for (const char* bad : {"0", "-0.1", "abc", "0.1,", ",0.1", "0.1,0.2,0.3", "11", "nan", "0x1p-3"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(Run({"diagnose", Path("a.zb"), Path("seen.csv"), "--precision", bad}), ExitFailure);
        EXPECT_THAT(err_.str(), StartsWith("--precision: "));
        EXPECT_EQ(out_.str(), "");
    }
    for (const char* bad : {"-1", "31", "1,5", ""}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(Run({"diagnose", Path("a.zb"), Path("seen.csv"), "--prior", bad}), ExitFailure);
        EXPECT_THAT(err_.str(), StartsWith("--prior: "));
    }
}

// Two peaks of one satellite far apart: refused with their lines in the
// file, nothing fitted, no advice, no file written.
TEST_F(DiagnoseCommand, RefusesObservationsThatContradictEachOther)
{
    const auto line = [](const Observation& o) {
        return WriteObservations({o}).substr(std::string(ObservationsHeader).size() + 1);
    };
    std::string text = std::string(ObservationsHeader) + "\n\n";  // a blank line 2
    for (const Observation& o : observations_)
        text += line(o);
    const Observation& third = observations_[2];
    text += line({third.position, third.motorAngle + 1.0, std::nullopt});
    std::ofstream(Path("two.csv")) << text;
    EXPECT_EQ(Run({"diagnose", Path("a.zb"), Path("two.csv"), "-o", Path("out.zb")}), ExitFailure);
    EXPECT_EQ(err_.str(), Path("two.csv") + ": lines 5 and " + std::to_string(observations_.size() + 3)
                              + " give two peaks of " + FormatSatelliteLabel(third.position)
                              + " 1.00\u00b0 apart, far beyond the precision of 0.10\u00b0\n");
    EXPECT_EQ(out_.str(), "");
    EXPECT_FALSE(fs::exists(Path("out.zb")));
    // Readings that coarse are no contradiction.
    EXPECT_EQ(Run({"diagnose", Path("a.zb"), Path("two.csv"), "--precision", "0.5"}), ExitOk) << err_.str();
}

// Nothing observed yet: where to start.
TEST_F(DiagnoseCommand, ProposesWhatToObserveFirst)
{
    std::ofstream(Path("none.csv")) << "position,motorAngle,offset\n";
    const FirstObservations first = ProposeFirstObservations(settings_, catalogue_);
    ASSERT_GE(first.positions.size(), 3u);
    ASSERT_EQ(Run({"diagnose", Path("a.zb"), Path("none.csv")}), ExitOk) << err_.str();
    std::string text = out_.str();
    std::replace(text.begin(), text.end(), '\n', ' ');
    EXPECT_THAT(text,
                StartsWith("Nothing observed yet. Measure these first, each its motor angle and offset: "
                           + FormatSatelliteLabel(first.positions[0]) + ", "));
    ASSERT_EQ(Run({"diagnose", "--json", Path("a.zb"), Path("none.csv")}), ExitOk) << err_.str();
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(out_.str())).object();
    ASSERT_EQ(o["first"].toArray().size(), static_cast<qsizetype>(first.positions.size()));
    EXPECT_EQ(o["first"].toArray()[0].toInt(), first.positions[0]);
    EXPECT_DOUBLE_EQ(o["worstAfter"].toDouble(), first.worstAfter);
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
        {"NoObservationsToWrite",
         {"diagnose", Path("a.zb"), Path("empty.csv"), "-o", Path("out.zb")},
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
