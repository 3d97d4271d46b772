#pragma once

#include "catalogue/SatelliteCatalogue.h"
#include "model/AtTheDish.h"
#include "model/Diagnose.h"
#include "model/MountSettings.h"
#include "model/PhoneInstruments.h"
#include "plot/RecordedDrawing.h"
#include "text/Message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// One set-up open in the field page, and everything the page asks of the
// core about it. The tool's documents come whole as the tool prints them;
// the page's views come as JSON with their words in the page's language and
// their numbers already written. A refusal returns false (or an empty text)
// and leaves the tool's line in Error().

namespace zenbelts::web {

class FieldSession {
public:
    FieldSession();

    // The page's language: "context\x1fsource\x1ftranslation" entries, each
    // ended by "\x1e"; right to left isolates every literal.
    void SetLanguage(const std::string& entries, bool rightToLeft);

    // A .zb file's bytes, named as the tool names its input.
    bool Open(const std::string& bytes, const std::string& name);
    // A satellite list in any format --sats takes (empty: the shipped one).
    bool UseList(const std::string& bytes, const std::string& name);
    // A new set-up at a site typed in: degrees ("50.5N", "10W", "-10,25")
    // and whole metres; the mount at its best there, as zenbelts-cli new.
    bool StartAt(const std::string& latitude, const std::string& longitude, const std::string& altitude);
    std::vector<std::uint8_t> Save() const;
    // As zenbelts-cli set NAME=VALUE.
    bool Set(const std::string& name, const std::string& value);
    // An adjustment as typed in its field ("7.1S", "7,1°S"), read as the
    // program's fields read it with the language's decimal separator.
    bool SetTyped(const std::string& name, const std::string& text, const std::string& decimalSeparator);

    // The tool's --json documents.
    std::string ArcJson() const;
    std::string SiteJson(const std::string& date);
    // CSV as diagnose reads it; empty text when refused. The fit is kept
    // for DiagnosisView and the plot of the mount as found.
    std::string DiagnoseJson(const std::string& csv, const std::string& name);
    // Rows typed in the page, "position\tmotor\toffset" lines (or the face
    // tilt for the offset), a decimal comma read as a point and a motor
    // angle with a letter ("21.9W") as the receiver shows it: as CSV for
    // DiagnoseJson.
    std::string ObservationsCsv(const std::string& rows, bool faceTilt) const;

    const std::string& Error() const { return error_; }
    // The refusal in the page's language.
    std::string ErrorWords() const;

    // The page's views.
    std::string View() const;
    std::string DishView(const std::string& date);
    std::string DiagnosisView() const;
    // Every satellite of the list: position, label and name.
    std::string Satellites() const;
    // The plot of a window of that size, as primitives; fitted: the mount as
    // found by the last fit.
    std::string Plot(int width, int height, bool fitted, const RecordedDrawing::TextMeasure& measure) const;

    // The phone's sensors (PhoneInstruments.h), as texts beside what the
    // set-up says they should read.
    void ZeroLevel(double beta, double gamma);
    void ClearZero() { zero_ = {}; }
    std::string Tilt(double beta, double gamma) const;
    // fromAlpha: the value is the alpha of an absolute orientation, not a
    // compass heading.
    std::string Heading(double value, bool fromAlpha, const std::string& date);

private:
    std::string Words(const Message& message) const;
    std::string Tr(const char* context, const char* source) const;
    std::string Isolated(const std::string& text) const;
    bool Refuse(std::string line, Message words = {});
    // The set-up or the list changed: what was worked out of them goes.
    void Changed();
    std::optional<CivilDate> DateOrToday(const std::string& date);

    MountSettings settings_;
    SatelliteCatalogue catalogue_;
    std::string name_ = "setup.zb";
    std::string error_;
    Message errorWords_;
    std::unordered_map<std::string, std::string> translations_;
    bool rightToLeft_ = false;
    std::optional<Diagnosis> diagnosis_;
    std::optional<FirstObservations> first_;
    std::size_t observed_ = 0;
    std::optional<AtTheDishReport> report_;  // of the date last shown
    PhoneLevelZero zero_;
};

}  // namespace zenbelts::web
