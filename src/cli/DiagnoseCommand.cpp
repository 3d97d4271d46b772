#include "cli/DiagnoseCommand.h"

#include "cli/Cli.h"
#include "cli/CommandFiles.h"
#include "cli/TextOut.h"
#include "model/Diagnose.h"
#include "model/Observations.h"
#include "report/Reports.h"
#include "text/AngleText.h"
#include "text/Numbers.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zenbelts::cli {

namespace {

std::vector<Observation> ReadObservationsFile(const std::string& path, const MountSettings& setUp,
                                              std::vector<int>& lines)
{
    const std::vector<std::uint8_t> bytes = ReadInputFile(path, ObservationsFileMaxBytes);
    try {
        return ParseObservations(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                                 &setUp, &lines);
    } catch (const ObservationsError& e) {
        Fail(Shown(path) + ": " + e.what());
    }
}

// MOTOR[,OFFSET]; the offset in the usual ratio when not given.
Precision ParsePrecision(const std::string& text)
{
    const std::size_t comma = text.find(',');
    const double motor
        = ParseDegrees("--precision", std::string_view(text).substr(0, comma), false, MaxPrecisionDegrees);
    if (comma == std::string::npos)
        return StatedPrecision(motor, std::nullopt);
    return StatedPrecision(motor, ParseDegrees("--precision", std::string_view(text).substr(comma + 1), false,
                                               MaxPrecisionDegrees));
}

// Plain words broken into lines of at most width characters (longer words
// whole), the first line after first, the others after rest.
std::string Wrapped(const std::string& text, std::size_t width, const std::string& first = "",
                    const std::string& rest = "")
{
    std::string out, line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty())
            continue;
        if (!line.empty() && Characters(line) + 1 + Characters(word) > width) {
            out.append(out.empty() ? first : rest).append(line).push_back('\n');
            line.clear();
        }
        if (!line.empty())
            line.push_back(' ');
        line.append(word);
    }
    if (!line.empty())
        out.append(out.empty() ? first : rest).append(line).push_back('\n');
    return out;
}

// A change in tenths as a turn the panel's way: "1.2°W"; "none" for 0.
std::string ChangeText(int tenths, const AdjustmentInfo& a)
{
    return tenths == 0 ? "none" : FormatTenths(tenths, a.positive, a.negative);
}

std::string Signed(double degrees)
{
    return FormatSignedDegrees(degrees, 2);
}

std::string Residual(const std::optional<double>& degrees)
{
    return degrees ? Signed(*degrees) : "-";
}

void PrintReport(const std::string& file, const std::string& observationsFile, const MountSettings& s,
                 const Diagnosis& d, std::ostream& out)
{
    out << "Diagnosis of " << Shown(file) << " from " << d.residuals.size()
        << (d.residuals.size() == 1 ? " observation" : " observations") << " in " << Shown(observationsFile)
        << "\n\n";
    out << Padded("Adjustment", 19) << Padded("Set-up", 10) << Padded("As found", 10) << "Change\n";
    for (std::size_t i = 0; i < Adjustments.size(); ++i) {
        const AdjustmentInfo& a = Adjustments[i];
        out << Padded(Adjustments[i].title, 19)
            << Padded(FormatTenths(s.*(a.value), a.positive, a.negative), 10)
            << Padded(FormatTenths(d.fitted[i], a.positive, a.negative), 10) << ChangeText(d.change[i], a)
            << "\n";
    }

    out << "\nObserved minus computed, degrees, with the set-up and as found:\n";
    out << Padded("Satellite", 11) << Padded("Motor", 9) << Padded("", 9) << "Offset\n";
    out << Padded("", 11) << Padded("set-up", 9) << Padded("found", 9) << Padded("set-up", 9) << "found\n";
    for (const ObservationResidual& r : d.residuals) {
        out << Padded(FormatSatelliteLabel(r.position), 11) << Padded(Signed(r.motorBefore), 9)
            << Padded(Signed(r.motorAfter), 9) << Padded(Residual(r.offsetBefore), 9)
            << Residual(r.offsetAfter) << "\n";
    }
    out << "Root-mean-square: " << FormatFixed(d.rmsBefore, 3) << DegreeSign << " with the set-up, "
        << FormatFixed(d.rmsAfter, 3) << DegreeSign << " as found.\n\n";

    std::string unresolved;
    for (std::size_t i = 0; i < Adjustments.size(); ++i) {
        for (const std::string& name : d.unresolved) {
            if (name == Adjustments[i].name)
                unresolved += std::string(unresolved.empty() ? "" : ", ") + Adjustments[i].title;
        }
    }
    out << "Undetermined: " << (unresolved.empty() ? "nothing" : unresolved) << "\n";
    if (!d.explanation.empty())
        out << Wrapped(Sentences(d.explanation), 78);
    out << "\n" << Wrapped(d.uncertainty.English(), 78);
    if (d.warning)
        out << "\n" << Wrapped("Warning: " + d.warning->English(), 78);
    if (d.nextText)
        out << "\n" << Wrapped(d.nextText->English(), 78);

    out << "\n" << d.adviceHeading.English() << "\n";
    for (const TurnAdvice& t : d.advice)
        out << Wrapped(t.text.English(), 74, "  ", "    ");
}

// Nothing observed yet: what to observe first.
void PrintFirst(const FirstObservations& first, bool json, std::ostream& out)
{
    if (json) {
        out << FirstObservationsJson(first);
        return;
    }
    out << Wrapped(first.positions.empty() ? "Nothing observed yet, and no satellite of the list is up and "
                                             "within the motor's reach."
                                           : first.text.English(),
                   78);
}

}  // namespace

int CommandDiagnose(Arguments args, const std::filesystem::path& defaultSats, std::ostream& out)
{
    const auto output = args.TakeValue("-o");
    const auto precision = args.TakeValue("--precision");
    const auto prior = args.TakeValue("--prior");
    const bool json = args.TakeFlag("--json");
    std::string list;
    const SatelliteCatalogue catalogue = ReadCatalogue(args, defaultSats, list);
    const std::vector<std::string> files = args.Rest();
    if (files.size() != 2)
        FailUsage("diagnose takes a set-up and a file of observations");
    DiagnoseOptions options;
    if (precision)
        options.precision = ParsePrecision(*precision);
    if (prior)
        options.priorDegrees = ParseDegrees("--prior", *prior, true, 30.0);
    const std::string &input = files[0], &observed = files[1];
    if (output)
        RefuseOutputOverInputs(*output, {input, observed, list});
    const MountSettings settings = ReadSettingsFile(input);
    const std::vector<Observation> observations = ReadObservationsFile(observed, settings, options.lines);
    if (observations.empty() && !output) {
        PrintFirst(ProposeFirstObservations(settings, catalogue, options), json, out);
        return ExitOk;
    }
    Diagnosis diagnosis;
    try {
        diagnosis = Diagnose(settings, catalogue, observations, options);
    } catch (const DiagnoseError& e) {
        Fail(Shown(observed) + ": " + e.what());
    }
    if (output)
        WriteSettingsFile(*output, FittedSettings(settings, diagnosis));

    if (json) {
        out << DiagnoseJson(diagnosis);
        return ExitOk;
    }
    PrintReport(input, observed, settings, diagnosis, out);
    if (output)
        out << "\nThe mount as found is in " << Shown(*output) << ".\n";
    return ExitOk;
}

}  // namespace zenbelts::cli
