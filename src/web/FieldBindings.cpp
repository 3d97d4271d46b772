#include "text/Numbers.h"
#include "web/FieldSession.h"

#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdlib>

// The session for the page's scripts. Texts cross as strings (the page
// parses the JSON), bytes as Uint8Array. Text widths come from the page's
// canvas while the plot is drawn.

// Module.measureText(face, pixelSize, bold, text) where the page set it;
// node has no canvas, so there 0.6 em a character.
// clang-format off
EM_JS(int, zenbelts_measure_text, (const char* face, int pixelSize, int bold, const char* text), {
    if (typeof Module["measureText"] === "function")
        return Module["measureText"](UTF8ToString(face), pixelSize, !!bold, UTF8ToString(text)) | 0;
    return Math.floor(Array.from(UTF8ToString(text)).length * pixelSize * 3 / 5);
});
// clang-format on

namespace zenbelts::web {

namespace {

emscripten::val Bytes(const std::vector<std::uint8_t>& bytes)
{
    // A copy the script owns: the view into the module's memory would not last.
    return emscripten::val::global("Uint8Array")
        .new_(emscripten::val(emscripten::typed_memory_view(bytes.size(), bytes.data())));
}

emscripten::val Save(const FieldSession& s)
{
    return Bytes(s.Save());
}

std::string Plot(const FieldSession& s, int width, int height, bool fitted)
{
    return s.Plot(width, height, fitted, [](const FontSpec& font, std::string_view text) {
        const std::string t(text);
        return zenbelts_measure_text(font.face.c_str(), font.pixelSize, font.bold ? 1 : 0, t.c_str());
    });
}

}  // namespace

}  // namespace zenbelts::web

EMSCRIPTEN_BINDINGS(zenbelts_field)
{
    using namespace zenbelts::web;
    // The one conversion of numbers, for the tests that hold the browser's
    // digits against the tool's.
    emscripten::function("formatShortest", &zenbelts::FormatShortest);
    emscripten::function("formatFixed", &zenbelts::FormatFixed);
    emscripten::class_<FieldSession>("FieldSession")
        .constructor<>()
        .function("setLanguage", &FieldSession::SetLanguage)
        .function("open", &FieldSession::Open)
        .function("useList", &FieldSession::UseList)
        .function("startAt", &FieldSession::StartAt)
        .function("save", &Save)
        .function("set", &FieldSession::Set)
        .function("setTyped", &FieldSession::SetTyped)
        .function("arcJson", &FieldSession::ArcJson)
        .function("siteJson", &FieldSession::SiteJson)
        .function("diagnoseJson", &FieldSession::DiagnoseJson)
        .function("observationsCsv", &FieldSession::ObservationsCsv)
        .function("error", emscripten::optional_override([](const FieldSession& s) { return s.Error(); }))
        .function("errorWords", &FieldSession::ErrorWords)
        .function("view", &FieldSession::View)
        .function("dishView", &FieldSession::DishView)
        .function("diagnosisView", &FieldSession::DiagnosisView)
        .function("satellites", &FieldSession::Satellites)
        .function("plot", &Plot)
        .function("zeroLevel", &FieldSession::ZeroLevel)
        .function("clearZero", &FieldSession::ClearZero)
        .function("tilt", &FieldSession::Tilt)
        .function("heading", &FieldSession::Heading);
}
