#include "model/Observations.h"

#include "io/FileAccess.h"
#include "model/DishReadings.h"
#include "text/Characters.h"
#include "text/Numbers.h"
#include "text/OrbitalPosition.h"
#include "text/TextEncoding.h"

#include <cmath>
#include <iterator>

namespace zenbelts {

namespace {

Message OnLine(int line, Message what)
{
    return Message(ZB_TEXT("observations", "line %1: %2"), {Message::Number(line), std::move(what)});
}

}  // namespace

ObservationsError::ObservationsError(int line, Message what)
    : std::runtime_error(OnLine(line, what).English()), line_(line), message_(OnLine(line, std::move(what)))
{}

namespace {

ObservationsError HeaderMissing()
{
    return ObservationsError(
        1, Message(ZB_TEXT("observations", "the header must be %1"), {Message::Literal(ObservationsHeader)}));
}

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    // Spreadsheets quote fields now and then.
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        s = s.substr(1, s.size() - 2);
    return s;
}

std::optional<double> ParseNumber(std::string_view s)
{
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    if (s.empty() || !(IsDigit(s.front()) || s.front() == '-' || s.front() == '.'))
        return std::nullopt;  // also keeps "inf" and "nan" out
    double value = 0.0;
    const NumberReading read = ReadNumber(s, value);
    if (read.ec != std::errc() || read.length != s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::vector<std::string_view> SplitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = line.find(',');
        fields.push_back(Trimmed(line.substr(0, comma)));
        if (comma == std::string_view::npos)
            return fields;
        line.remove_prefix(comma + 1);
    }
}

// Whether the third column holds face tilts rather than offsets.
bool CheckHeader(std::string_view line)
{
    static constexpr std::string_view Names[3] = {"position", "motorAngle", "offset"};
    const std::vector<std::string_view> fields = SplitFields(line);
    bool ok = fields.size() == 3;
    for (std::size_t i = 0; ok && i < 2; ++i)
        ok = EqualsIgnoringCase(fields[i], Names[i]);
    const bool faceTilt = ok && EqualsIgnoringCase(fields[2], "faceTilt");
    if (!ok || (!faceTilt && !EqualsIgnoringCase(fields[2], Names[2])))
        throw HeaderMissing();
    return faceTilt;
}

Observation ParseRow(std::string_view line, int number, const MountSettings* faceTiltsWith)
{
    const std::vector<std::string_view> fields = SplitFields(line);
    // A row may leave out its empty offset, trailing comma and all.
    if (fields.size() < 2 || fields.size() > 3)
        throw ObservationsError(
            number,
            Message(ZB_TEXT("observations", "expected 3 fields (position,motorAngle,offset), found %1"),
                    {Message::Number(static_cast<long long>(fields.size()))}));
    Observation o;
    if (fields[0].empty())
        throw ObservationsError(number, Message(ZB_TEXT("observations", "the position is missing")));
    const std::optional<int> position = ParseObservedPosition(fields[0]);
    if (!position)
        throw ObservationsError(
            number, Message(ZB_TEXT("observations",
                                    "the position is neither 0 to 3599 tenths nor a label like 19.2E")));
    o.position = *position;

    if (fields[1].empty())
        throw ObservationsError(number, Message(ZB_TEXT("observations", "the motor angle is missing")));
    const std::optional<double> motor = ParseNumber(fields[1]);
    if (!motor)
        throw ObservationsError(number, Message(ZB_TEXT("observations", "the motor angle is not a number")));
    if (*motor < -180.0 || *motor > 180.0)
        throw ObservationsError(
            number,
            Message(ZB_TEXT("observations", "the motor angle is out of range (-180 to 180 degrees)")));
    o.motorAngle = *motor;

    if (fields.size() == 3 && !fields[2].empty() && faceTiltsWith) {
        const std::optional<double> tilt = ParseNumber(fields[2]);
        if (!tilt)
            throw ObservationsError(number,
                                    Message(ZB_TEXT("observations", "the face tilt is not a number")));
        o.offset = OffsetFromFaceTilt(*faceTiltsWith, o.position, o.motorAngle, *tilt);
        if (!o.offset)
            throw ObservationsError(
                number, Message(ZB_TEXT("observations",
                                        "the face tilt lies more than 20 degrees from the set-up's at that "
                                        "motor angle: check the dish's offset and feed arm")));
    } else if (fields.size() == 3 && !fields[2].empty()) {
        const std::optional<double> offset = ParseNumber(fields[2]);
        if (!offset)
            throw ObservationsError(number, Message(ZB_TEXT("observations", "the offset is not a number")));
        if (*offset < -90.0 || *offset > 90.0)
            throw ObservationsError(
                number, Message(ZB_TEXT("observations", "the offset is out of range (-90 to 90 degrees)")));
        o.offset = offset;
    }
    return o;
}

}  // namespace

std::optional<int> ParseObservedPosition(std::string_view s)
{
    return ParsePosition(s, {.degreeSign = true, .programNumber = true});
}

std::vector<Observation> ParseObservations(std::string_view bytes, const MountSettings* setUp,
                                           std::vector<int>* lines)
{
    if (lines)
        lines->clear();
    // A spreadsheet's byte-order mark is not part of the header, and its
    // "Unicode text" is UTF-16.
    std::string decoded;
    const std::string_view text = TextOfBytes(bytes, decoded);
    if (text.empty())
        throw HeaderMissing();
    std::vector<Observation> rows;
    int number = 0;
    const MountSettings* faceTiltsWith = nullptr;
    ForEachTextLine(text, [&](std::string_view line) {
        ++number;
        if (line.size() > ObservationsMaxLineBytes)
            throw ObservationsError(number, Message(ZB_TEXT("observations", "the line is longer than %1"),
                                                    {SizeText(ObservationsMaxLineBytes)}));
        if (number == 1) {
            if (CheckHeader(line)) {
                if (!setUp)
                    throw ObservationsError(
                        1, Message(ZB_TEXT("observations", "face tilts are read only with a set-up's dish")));
                faceTiltsWith = setUp;
            }
        } else if (!Trimmed(line).empty()) {
            rows.push_back(ParseRow(line, number, faceTiltsWith));
            if (lines)
                lines->push_back(number);
        }
    });
    return rows;
}

std::vector<Observation> ReadObservations(std::istream& in, const MountSettings* setUp)
{
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ParseObservations(text, setUp);
}

std::string WriteObservations(const std::vector<Observation>& observations)
{
    std::string text = std::string(ObservationsHeader) + "\n";
    for (const Observation& o : observations) {
        const int n = o.position > 1800 ? 3600 - o.position : o.position;
        text += std::to_string(n / 10) + "." + std::to_string(n % 10) + (o.position > 1800 ? "W" : "E");
        text += ',';
        text += FormatShortest(o.motorAngle);
        text += ',';
        if (o.offset)
            text += FormatShortest(*o.offset);
        text += "\n";
    }
    return text;
}

}  // namespace zenbelts
