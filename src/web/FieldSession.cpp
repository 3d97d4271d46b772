#include "web/FieldSession.h"

#include "catalogue/ReceiverFormats.h"
#include "catalogue/ReceiverSources.h"
#include "catalogue/SatelliteList.h"
#include "io/FileAccess.h"
#include "model/AtTheDish.h"
#include "model/Observations.h"
#include "model/SetUpEdits.h"
#include "model/SettingsArchive.h"
#include "plot/ArcPlot.h"
#include "plot/ArcTable.h"
#include "report/Reports.h"
#include "sky/CivilTime.h"
#include "text/AngleText.h"
#include "text/JsonString.h"
#include "text/Numbers.h"
#include "text/NumericText.h"

#include <cmath>
#include <ctime>

namespace zenbelts::web {

namespace {

constexpr const char* FactoryList =
#include "FactoryList.inc"
    ;

// A file name or argument in a message, as the tool shows it.
std::string Shown(const std::string& text)
{
    return PrintableText(text);
}

std::string Quoted(const std::string& text)
{
    return JsonString(text);
}

std::string Field(const char* name, const std::string& jsonValue, bool first = false)
{
    return std::string(first ? "" : ", ") + "\"" + name + "\": " + jsonValue;
}

std::string Bool(bool value)
{
    return value ? "true" : "false";
}

int Tenths(double degrees)
{
    return static_cast<int>(std::floor(degrees * 10.0 + 0.5));
}

std::string Degrees(double degrees)
{
    return FormatFixed(degrees, 1) + DegreeSign;
}

std::string Hemisphere(double degrees, char positive, char negative)
{
    return FormatTenths(Tenths(degrees), positive, negative);
}

std::string LocalTime(double unixSeconds)
{
    const auto t = static_cast<std::time_t>(std::floor(unixSeconds + 0.5));
    std::tm local{};
    localtime_r(&t, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

// Degrees typed at a site: a decimal point or comma, an optional degree
// sign and hemisphere letter (the negative one negates).
std::optional<double> ReadSiteDegrees(std::string text, char negative)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    std::size_t start = text.find_first_not_of(" \t");
    text = start == std::string::npos ? std::string() : text.substr(start);
    int sign = 1;
    if (!text.empty()) {
        const char last = static_cast<char>(text.back() & ~0x20);
        if (last == negative || last == (negative == 'S' ? 'N' : 'E')) {
            sign = last == negative ? -1 : 1;
            text.pop_back();
        }
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    const std::string degree = DegreeSign;
    if (text.size() >= degree.size() && text.compare(text.size() - degree.size(), degree.size(), degree) == 0)
        text.erase(text.size() - degree.size());
    for (char& c : text) {
        if (c == ',')
            c = '.';
    }
    if (!text.empty() && text.front() == '+')
        text.erase(0, 1);
    double value = 0.0;
    const NumberReading read = ReadNumber(text, value);
    if (text.empty() || read.ec != std::errc() || read.length != text.size() || !std::isfinite(value))
        return std::nullopt;
    return sign * value;
}

}  // namespace

FieldSession::FieldSession()
{
    UseList({}, {});
    settings_.LoadFactoryDefaults(catalogue_);
}

void FieldSession::SetLanguage(const std::string& entries, bool rightToLeft)
{
    translations_.clear();
    rightToLeft_ = rightToLeft;
    for (std::size_t start = 0; start < entries.size();) {
        std::size_t end = entries.find('\x1e', start);
        if (end == std::string::npos)
            end = entries.size();
        const std::string entry = entries.substr(start, end - start);
        start = end + 1;
        const std::size_t a = entry.find('\x1f'), b = entry.find('\x1f', a + 1);
        if (a == std::string::npos || b == std::string::npos)
            continue;
        translations_[entry.substr(0, a) + '\x04' + entry.substr(a + 1, b - a - 1)] = entry.substr(b + 1);
    }
}

std::string FieldSession::Tr(const char* context, const char* source) const
{
    const auto found = translations_.find(std::string(context) + '\x04' + source);
    return found == translations_.end() || found->second.empty() ? std::string(source) : found->second;
}

std::string FieldSession::Isolated(const std::string& text) const
{
    // A number, angle or coordinate runs left to right as one piece in
    // right-to-left text: "182.0°" would otherwise show its sign first.
    return rightToLeft_ && !text.empty() ? "\u2066" + text + "\u2069" : text;
}

std::string FieldSession::Words(const Message& message) const
{
    return message.Render(
        [this](const char* context, const std::string& pattern) { return Tr(context, pattern.c_str()); },
        [this](const std::string& literal) { return Isolated(PrintableText(literal)); });
}

void FieldSession::Changed()
{
    diagnosis_.reset();
    first_.reset();
    report_.reset();
}

bool FieldSession::Refuse(std::string line, Message words)
{
    error_ = std::move(line);
    errorWords_ = words.Empty() ? Message::Literal(error_) : std::move(words);
    return false;
}

std::string FieldSession::ErrorWords() const
{
    return Words(errorWords_);
}

bool FieldSession::Open(const std::string& bytes, const std::string& name)
{
    const std::string shown = Shown(name.empty() ? std::string("setup.zb") : name);
    MountSettings loaded;
    try {
        if (bytes.size() > SetUpFileMaxBytes)
            throw ArchiveError(ArchiveError::Cause::BadSchema,
                               Message(ZB_TEXT("FieldPage", "it is far larger than a set-up")));
        LoadSettings({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, loaded);
    } catch (const ArchiveError& e) {
        return Refuse(
            shown + ": not a valid Zenbelt file: " + e.detail().English(),
            Message(ZB_TEXT("FieldPage", "%1 cannot be opened: %2"), {Message::Literal(shown), e.detail()}));
    }
    settings_ = loaded;
    name_ = name.empty() ? std::string("setup.zb") : name;
    Changed();
    return true;
}

bool FieldSession::UseList(const std::string& bytes, const std::string& name)
{
    if (bytes.empty() && name.empty()) {
        SatelliteCatalogue shipped;
        (void)ReadSatelliteList(std::string_view(FactoryList), shipped);
        catalogue_ = std::move(shipped);
        return true;
    }
    const std::string shown = Shown(name.empty() ? std::string("sats.lst") : name);
    const auto refuse = [&](const Message& reason) {
        return Refuse(shown + ": " + SatelliteListLoadError + ": " + reason.English(),
                      Message(ZB_TEXT("FieldPage", "The list %1 cannot be used: %2"),
                              {Message::Literal(shown), reason}));
    };
    if (bytes.size() > SatelliteListMaxBytes)
        return refuse(Message(ZB_TEXT("FieldPage", "it is larger than 8 MiB")));
    SatelliteCatalogue loaded;
    const ReceiverFormat format = DetectFormat(name, bytes);
    if (format != ReceiverFormat::Unknown) {
        if (!NamesSatellites(format))
            return refuse(Message(ZB_TEXT("FieldPage", "it lists channels, not satellites")));
        const ImportResult imported = ImportReceiverFile(format, name, bytes);
        if (imported.satellites.empty())
            return refuse(Message(ZB_TEXT("io", "no satellites in %1: is it a satellite list?"),
                                  {Message::Literal(shown)}));
        const SatelliteListResult read = ImportedCatalogue(imported, loaded);
        if (!read)
            return refuse(read.reason);
    } else {
        const SatelliteListResult read = ReadSatelliteList(std::string_view(bytes), loaded);
        if (!read)
            return refuse(read.reason);
        if (read.entries == 0 && !read.blank)
            return refuse(Message(ZB_TEXT("io", "no satellites in %1: is it a satellite list?"),
                                  {Message::Literal(shown)}));
    }
    catalogue_ = std::move(loaded);
    Changed();
    return true;
}

bool FieldSession::StartAt(const std::string& latitude, const std::string& longitude,
                           const std::string& altitude)
{
    const std::optional<double> lat = ReadSiteDegrees(latitude, 'S');
    const std::optional<double> lon = ReadSiteDegrees(longitude, 'W');
    const auto notNumber = [&](const std::string& text) {
        const Message m(ZB_TEXT("FieldPage", "%1 is not a number of degrees"), {Message::Literal(text)});
        return Refuse(m.English(), m);
    };
    if (!lat)
        return notNumber(latitude);
    if (!lon)
        return notNumber(longitude);
    int metres = 0;
    double altitudeValue = 0.0;
    const std::optional<double> alt = ReadSiteDegrees(altitude.empty() ? std::string("0") : altitude, '\0');
    altitudeValue = alt.value_or(NAN);
    if (!alt || altitudeValue != std::floor(altitudeValue) || altitudeValue < AltitudeMin
        || altitudeValue > AltitudeMax) {
        const Message m(ZB_TEXT("FieldPage", "The altitude is whole metres from %1 to %2"),
                        {Message::Number(AltitudeMin), Message::Number(AltitudeMax)});
        return Refuse(m.English(), m);
    }
    metres = static_cast<int>(altitudeValue);
    const long latMinutes = std::lround(*lat * 60.0), lonMinutes = std::lround(*lon * 60.0);
    if (latMinutes < LatitudeMin || latMinutes > LatitudeMax) {
        const Message m(ZB_TEXT("FieldPage", "The latitude lies from 90°S to 90°N"));
        return Refuse(m.English(), m);
    }
    if (lonMinutes < LongitudeMin || lonMinutes > LongitudeMax) {
        const Message m(ZB_TEXT("FieldPage", "The longitude lies from 180°W to 180°E"));
        return Refuse(m.English(), m);
    }
    MountSettings fresh;
    fresh.LoadFactoryDefaults(catalogue_);
    fresh.latitude = static_cast<int>(latMinutes);
    fresh.longitude = static_cast<int>(lonMinutes);
    fresh.altitude = metres;
    fresh.Recalculate(true);
    settings_ = fresh;
    name_ = "setup.zb";
    Changed();
    return true;
}

std::vector<std::uint8_t> FieldSession::Save() const
{
    return StoreSettings(settings_);
}

bool FieldSession::Set(const std::string& name, const std::string& value)
{
    const std::string assignment = name + "=" + value;
    const EditOutcome outcome = ApplyAssignment(settings_, assignment);
    if (!outcome)
        return Refuse(Shown(name_) + ": " + Shown(assignment) + " is refused: " + outcome.refusal.English(),
                      outcome.refusal);
    Changed();
    return true;
}

bool FieldSession::SetTyped(const std::string& name, const std::string& text,
                            const std::string& decimalSeparator)
{
    for (const AdjustmentInfo& a : Adjustments) {
        if (name != a.name)
            continue;
        const numeric::FieldReading read = numeric::ReadField(
            a.positive == 'N' ? numeric::FieldFormat::NorthSouth : numeric::FieldFormat::EastWest, text,
            decimalSeparator);
        if (!read.number) {
            const Message m(ZB_TEXT("FieldPage", "%1 is not a number of degrees"), {Message::Literal(text)});
            return Refuse(m.English(), m);
        }
        return Set(name, std::to_string(read.value));
    }
    return Set(name, text);
}

std::string FieldSession::ArcJson() const
{
    return zenbelts::ArcJson(settings_, ComputeArcTable(settings_, catalogue_));
}

std::optional<CivilDate> FieldSession::DateOrToday(const std::string& date)
{
    if (date.empty())
        return DateOf(static_cast<double>(std::time(nullptr)));
    const std::optional<CivilDate> given = ParseIsoDate(date);
    if (!given)
        Refuse("zenbelts-cli: --date must be a date of the form YYYY-MM-DD from 1900 to 2199, not '"
                   + Shown(date) + "' (try 'zenbelts-cli --help')",
               Message(ZB_TEXT("FieldPage", "The date is of the form YYYY-MM-DD, from 1900 to 2199")));
    return given;
}

std::string FieldSession::SiteJson(const std::string& date)
{
    const std::optional<CivilDate> day = DateOrToday(date);
    if (!day)
        return {};
    return zenbelts::SiteJson(settings_, ReportAtTheDish(settings_, *day));
}

std::string FieldSession::ObservationsCsv(const std::string& rows, bool faceTilt) const
{
    std::string csv = faceTilt ? "position,motorAngle,faceTilt\n" : "position,motorAngle,offset\n";
    for (std::size_t start = 0; start < rows.size();) {
        std::size_t end = rows.find('\n', start);
        if (end == std::string::npos)
            end = rows.size();
        const std::string line = rows.substr(start, end - start);
        start = end + 1;
        std::vector<std::string> fields;
        for (std::size_t from = 0;;) {
            const std::size_t tab = line.find('\t', from);
            fields.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
            if (tab == std::string::npos)
                break;
            from = tab + 1;
        }
        for (std::string& f : fields) {
            for (char& c : f)
                c = c == ',' ? '.' : c;
            while (!f.empty() && f.back() == ' ')
                f.pop_back();
        }
        // The motor angle as a receiver shows it, "21.9W": east is the
        // plot's left in the north, its right in the south.
        if (fields.size() > 1 && !fields[1].empty()) {
            std::string& motor = fields[1];
            const char letter = static_cast<char>(motor.back() & ~0x20);
            if (letter == 'E' || letter == 'W') {
                motor.pop_back();
                const bool negative = (letter == 'W') == (settings_.latitude > 0);
                if (negative && !motor.empty() && motor.front() != '-')
                    motor.insert(0, "-");
            }
        }
        std::string joined;
        for (std::size_t k = 0; k < fields.size(); ++k)
            joined += (k ? "," : "") + fields[k];
        csv += joined + "\n";
    }
    return csv;
}

std::string FieldSession::DiagnoseJson(const std::string& csv, const std::string& name)
{
    const std::string shown = Shown(name.empty() ? std::string("observations.csv") : name);
    diagnosis_.reset();
    if (csv.size() > ObservationsFileMaxBytes) {
        const Message m(ZB_TEXT("FieldPage", "it is larger than 1 MiB"));
        Refuse(shown + ": " + m.English(), m);
        return {};
    }
    DiagnoseOptions options;
    std::vector<Observation> observations;
    try {
        observations = ParseObservations(csv, &settings_, &options.lines);
    } catch (const ObservationsError& e) {
        Refuse(shown + ": " + e.what(), e.message());
        return {};
    }
    if (observations.empty()) {
        first_ = ProposeFirstObservations(settings_, catalogue_, options);
        return FirstObservationsJson(*first_);
    }
    try {
        diagnosis_ = Diagnose(settings_, catalogue_, observations, options);
    } catch (const DiagnoseError& e) {
        Refuse(shown + ": " + e.what(), e.message());
        return {};
    }
    first_.reset();
    observed_ = observations.size();
    return zenbelts::DiagnoseJson(*diagnosis_);
}

std::string FieldSession::View() const
{
    std::string json
        = "{" + Field("name", Quoted(name_), true)
          + Field("site",
                  Quoted(Isolated(FormatSite(settings_.latitude, settings_.longitude, settings_.altitude))))
          + Field("latitude", Quoted(FormatDegreesMinutes(settings_.latitude, 'N', 'S')))
          + Field("longitude", Quoted(FormatDegreesMinutes(settings_.longitude, 'E', 'W')))
          + Field("altitude", std::to_string(settings_.altitude))
          + Field("autoDeclination", Bool(settings_.autoDeclination != 0))
          + Field("lockSatellites", Bool(settings_.lockSatellites != 0))
          + Field("satellites", std::to_string(catalogue_.size())) + ", \"adjustments\": [";
    for (std::size_t i = 0; i < Adjustments.size(); ++i) {
        const AdjustmentInfo& a = Adjustments[i];
        json += std::string(i ? ", " : "") + "{" + Field("name", Quoted(a.name), true)
                + Field("title", Quoted(Tr("Adjustment", a.title)))
                + Field("value", std::to_string(settings_.*(a.value)))
                + Field("text", Quoted(Isolated(FormatTenths(settings_.*(a.value), a.positive, a.negative))))
                + Field("lower", std::to_string(a.Lower(settings_)))
                + Field("upper", std::to_string(a.Upper(settings_)))
                + Field("lowerText",
                        Quoted(Isolated(FormatTenths(a.Lower(settings_), a.positive, a.negative))))
                + Field("upperText",
                        Quoted(Isolated(FormatTenths(a.Upper(settings_), a.positive, a.negative))))
                + Field("automatic", Bool(a.id == Adjustment::Declination && settings_.autoDeclination != 0))
                + "}";
    }
    json += "], \"misses\": [";
    const std::vector<MissRow> rows = ComputeMissTable(settings_, catalogue_);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MissRow& r = rows[i];
        const char* hidden = HiddenByName(r.hiddenBy);
        json += std::string(i ? ",\n" : "\n") + "{" + Field("position", std::to_string(r.position), true)
                + Field("label", Quoted(Isolated(r.label))) + Field("name", Quoted(r.name))
                + Field("motor", Quoted(Isolated(r.motor)))
                + Field("miss", Quoted(Isolated(FormatFixed(r.missDegrees, 2) + DegreeSign)))
                + Field("above", Bool(r.offset >= 0)) + Field("elevation", Quoted(Isolated(r.elevation)))
                + Field("visible", Bool(r.visible)) + Field("worst", Bool(r.worst))
                + Field("hiddenBy", hidden ? Quoted(hidden) : std::string("null")) + "}";
    }
    return json + "]}";
}

std::string FieldSession::Satellites() const
{
    std::string json = "[";
    for (const SatelliteEntry& e : catalogue_)
        json += std::string(json.size() > 1 ? ",\n" : "\n") + "[" + std::to_string(e.position) + ", "
                + Quoted(Isolated(FormatSatelliteLabel(e.position))) + ", " + Quoted(e.name) + "]";
    return json + "]";
}

std::string FieldSession::DishView(const std::string& date)
{
    const std::optional<CivilDate> day = DateOrToday(date);
    if (!day)
        return {};
    report_ = ReportAtTheDish(settings_, *day);
    const AtTheDishReport& r = *report_;
    const auto deg = [this](double v) { return Quoted(Isolated(Degrees(v))); };
    const auto hemi = [this](double v, char p, char n) { return Quoted(Isolated(Hemisphere(v, p, n))); };
    const auto times = [this](double unixSeconds) {
        return "{" + Field("utc", Quoted(Isolated(FormatIsoUtc(unixSeconds).substr(11, 8))), true)
               + Field("local", Quoted(Isolated(LocalTime(unixSeconds)))) + "}";
    };
    const auto face = [&](double tilt) {
        const char* kind = Tenths(std::fabs(tilt)) == 0 ? "vertical" : tilt > 0 ? "back" : "forward";
        return "{" + Field("kind", Quoted(kind), true) + Field("angle", deg(std::fabs(tilt))) + "}";
    };
    const double sunUp = r.transitSun.ElevationDegrees();
    std::string json
        = "{" + Field("date", Quoted(FormatIsoDate(r.date)), true)
          + Field("site",
                  Quoted(Isolated(FormatSite(settings_.latitude, settings_.longitude, settings_.altitude))))
          + Field("dishOffset", settings_.dishOffset ? deg(settings_.dishOffset / 10.0) : std::string("null"))
          + Field("feedUp", Bool(settings_.feedUp != 0))
          + Field("declination", hemi(r.magneticDeclination, 'E', 'W'))
          + Field("modelCovers", Bool(r.magneticModelCovers)) + Field("southern", Bool(r.southern))
          + Field("trueSouth", deg(r.trueSouthBearing)) + Field("axisElevation", deg(r.mount.axisElevation))
          + Field("axisAzimuth", deg(r.mount.axisAzimuth))
          + Field("axisCompass", deg(CompassBearing(r.mount.axisAzimuth, r.magneticDeclination)))
          + Field("scaleAxis", deg(r.mount.scaleAxisElevation))
          + Field("scaleLatitude", hemi(r.mount.scaleLatitude, 'N', 'S'))
          + Field("clamp", hemi(r.mount.clampAngle, 'N', 'S'))
          + Field("zeroElevation", deg(r.motorZero.beamBearing.elevation))
          + Field("zeroAzimuth", deg(r.motorZero.beamBearing.azimuth))
          + Field("zeroCompass", deg(r.motorZeroCompassBearing))
          + Field("zeroFace", face(r.motorZero.faceTilt))
          + Field("zeroFaceTilt", Quoted(Isolated(FormatSignedDegrees(r.motorZero.faceTilt, 1))))
          + ", \"sun\": {"
          + Field("south", Bool(r.transitSun.azimuthDegrees > 90 && r.transitSun.azimuthDegrees < 270), true)
          + Field("time", times(r.transit)) + Field("elevation", deg(sunUp)) + Field("up", Bool(sunUp > 0))
          + "}, \"satellites\": [";
    for (std::size_t i = 0; i < r.satellites.size(); ++i) {
        const SatelliteAtTheDish& s = r.satellites[i];
        json += std::string(i ? ",\n" : "\n") + "{"
                + Field("label", Quoted(Isolated(FormatSatelliteLabel(s.position))), true)
                + Field("azimuth", deg(s.satellite.azimuth)) + Field("compass", deg(s.compassBearing))
                + Field("elevation", deg(s.satellite.elevation))
                + Field("motor", hemi(s.motorAngleEast, 'E', 'W'))
                + Field("face", Quoted(Isolated(FormatSignedDegrees(s.faceTilt, 1))))
                + Field("sun", s.sun ? "{" + Field("time", times(s.sun->unixSeconds), true)
                                           + Field("elevation", deg(s.sun->elevationDegrees)) + "}"
                                     : std::string("null"))
                + "}";
    }
    return json + "]}";
}

std::string FieldSession::DiagnosisView() const
{
    if (first_) {
        std::string labels;
        for (std::size_t i = 0; i < first_->positions.size(); ++i)
            labels
                += std::string(i ? ", " : "") + Quoted(Isolated(FormatSatelliteLabel(first_->positions[i])));
        return "{" + Field("kind", Quoted("first"), true)
               + Field("text", first_->positions.empty() ? std::string("null") : Quoted(Words(first_->text)))
               + ", \"positions\": [" + labels + "]}";
    }
    if (!diagnosis_)
        return "null";
    const Diagnosis& d = *diagnosis_;
    const auto signedText = [this](const std::optional<double>& v) {
        return v ? Quoted(Isolated(FormatSignedDegrees(*v, 2))) : std::string("null");
    };
    std::string json = "{" + Field("kind", Quoted("fit"), true)
                       + Field("observations", std::to_string(observed_)) + ", \"adjustments\": [";
    for (std::size_t i = 0; i < Adjustments.size(); ++i) {
        const AdjustmentInfo& a = Adjustments[i];
        json += std::string(i ? ", " : "") + "{" + Field("title", Quoted(Tr("Adjustment", a.title)), true)
                + Field("setUp", Quoted(Isolated(FormatTenths(settings_.*(a.value), a.positive, a.negative))))
                + Field("found", Quoted(Isolated(FormatTenths(d.fitted[i], a.positive, a.negative))))
                + Field("change", d.change[i] == 0
                                      ? std::string("null")
                                      : Quoted(Isolated(FormatTenths(d.change[i], a.positive, a.negative))))
                + "}";
    }
    json += "], \"residuals\": [";
    for (std::size_t i = 0; i < d.residuals.size(); ++i) {
        const ObservationResidual& r = d.residuals[i];
        json += std::string(i ? ", " : "") + "{"
                + Field("label", Quoted(Isolated(FormatSatelliteLabel(r.position))), true)
                + Field("motorBefore", signedText(r.motorBefore))
                + Field("motorAfter", signedText(r.motorAfter))
                + Field("offsetBefore", signedText(r.offsetBefore))
                + Field("offsetAfter", signedText(r.offsetAfter)) + "}";
    }
    std::string undetermined;
    for (std::size_t i = 0; i < Adjustments.size(); ++i) {
        for (const std::string& name : d.unresolved) {
            if (name == Adjustments[i].name)
                undetermined
                    += std::string(undetermined.empty() ? "" : ", ") + Tr("Adjustment", Adjustments[i].title);
        }
    }
    std::string explanation;
    for (const Message& m : d.explanation)
        explanation += (explanation.empty() ? "" : " ") + Words(m);
    json += "]" + Field("rmsBefore", Quoted(Isolated(FormatFixed(d.rmsBefore, 3))))
            + Field("rmsAfter", Quoted(Isolated(FormatFixed(d.rmsAfter, 3))))
            + Field("undetermined", undetermined.empty() ? std::string("null") : Quoted(undetermined))
            + Field("explanation", Quoted(explanation)) + Field("uncertainty", Quoted(Words(d.uncertainty)))
            + Field("warning", d.warning ? Quoted(Words(*d.warning)) : std::string("null"))
            + Field("next", d.nextText ? Quoted(Words(*d.nextText)) : std::string("null"))
            + Field("nextPosition", d.next.empty()
                                        ? std::string("null")
                                        : Quoted(Isolated(FormatSatelliteLabel(d.next.front().position))))
            + Field("adviceHeading", Quoted(Words(d.adviceHeading))) + ", \"advice\": [";
    for (std::size_t i = 0; i < d.advice.size(); ++i)
        json += std::string(i ? ", " : "") + Quoted(Words(d.advice[i].text));
    return json + "]}";
}

std::string FieldSession::Plot(int width, int height, bool fitted,
                               const RecordedDrawing::TextMeasure& measure) const
{
    RecordedDrawing drawing(measure);
    const MountSettings shown = fitted && diagnosis_ ? FittedSettings(settings_, *diagnosis_) : settings_;
    DrawArcPlot(drawing,
                {shown, catalogue_, width, height, false, StandardScreenMetrics(), ScreenDrawingObjects(96)});
    return drawing.Json();
}

void FieldSession::ZeroLevel(double beta, double gamma)
{
    zero_ = PhoneLevelZero::OnLevel(beta, gamma);
}

std::string FieldSession::Tilt(double beta, double gamma) const
{
    const PhoneTilt t = ReadPhoneTilt(beta, gamma, zero_);
    std::string json = "{" + Field("edge", Quoted(Isolated(Degrees(t.edgeElevation))), true)
                       + Field("face", Quoted(Isolated(FormatSignedDegrees(t.faceTilt, 1))))
                       + Field("zeroed", Bool(zero_.Zeroed()));
    if (report_) {
        json += Field(
            "edgeOff",
            Quoted(Isolated(FormatSignedDegrees(t.edgeElevation - report_->mount.axisElevation, 1))));
        json += Field("faceOff",
                      Quoted(Isolated(FormatSignedDegrees(t.faceTilt - report_->motorZero.faceTilt, 1))));
    }
    return json + "}";
}

std::string FieldSession::Heading(double value, bool fromAlpha, const std::string& date)
{
    if (!report_) {
        const std::optional<CivilDate> day = DateOrToday(date);
        if (!day)
            return {};
        report_ = ReportAtTheDish(settings_, *day);
    }
    const double bearing = fromAlpha ? CompassHeadingFromAlpha(value) : CompassHeadingFromAlpha(-value);
    return "{" + Field("compass", Quoted(Isolated(Degrees(bearing))), true)
           + Field("true",
                   Quoted(Isolated(Degrees(TrueAzimuthFromCompass(bearing, report_->magneticDeclination)))))
           + Field("declination", Quoted(Isolated(Hemisphere(report_->magneticDeclination, 'E', 'W')))) + "}";
}

}  // namespace zenbelts::web
