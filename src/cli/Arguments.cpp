#include "cli/Arguments.h"

#include "io/FileAccess.h"
#include "text/Numbers.h"
#include "text/NumericText.h"

#include <cmath>
#include <cstdio>

namespace zenbelts::cli {

void Fail(std::string message)
{
    throw Failure{std::move(message)};
}

void FailUsage(const std::string& what)
{
    Fail("zenbelts-cli: " + what + " (try 'zenbelts-cli --help')");
}

std::string Shown(const std::string& text)
{
    return PrintableText(text);
}

std::optional<std::string> Arguments::TakeValue(const std::string& option)
{
    for (std::size_t i = 0; i < args_.size(); ++i) {
        if (args_[i] != option)
            continue;
        if (i + 1 >= args_.size())
            FailUsage(option + " needs a value");
        std::string value = args_[i + 1];
        args_.erase(args_.begin() + i, args_.begin() + i + 2);
        return value;
    }
    return std::nullopt;
}

bool Arguments::TakeFlag(const std::string& flag)
{
    for (std::size_t i = 0; i < args_.size(); ++i) {
        if (args_[i] == flag) {
            args_.erase(args_.begin() + i);
            return true;
        }
    }
    return false;
}

std::vector<std::string> Arguments::Rest() const
{
    for (const std::string& a : args_) {
        if (a.size() > 1 && a[0] == '-')
            FailUsage("unknown option " + Shown(a));
    }
    return args_;
}

int ParseOption(const std::string& option, const std::string& text, int lo, int hi)
{
    int value = 0;
    if (!numeric::ParseWholeNumber(text, value))
        FailUsage(option + " takes a whole number, not '" + Shown(text) + "'");
    if (value < lo || value > hi)
        Fail("zenbelts-cli: " + option + " " + Shown(text) + " is refused: it must lie in "
             + std::to_string(lo) + ".." + std::to_string(hi));
    return value;
}

double ParseDegrees(const std::string& option, std::string_view text, bool zero, double most)
{
    double value = 0.0;
    const NumberReading read = ReadNumber(text, value);
    if (text.empty() || read.ec != std::errc() || read.length != text.size() || !std::isfinite(value)
        || value < 0.0 || (value == 0.0 && !zero) || value > most) {
        Fail(option + ": " + Shown(std::string(text)) + " is not a number of degrees "
             + (zero ? "from 0" : "above 0") + " to " + FormatShortest(most));
    }
    return value;
}

namespace {

// One side of WIDTHxHEIGHT: digits only, 1..MaxSide.
bool ParseSide(std::string_view text, int& value)
{
    constexpr int MaxSide = 20000;
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    return numeric::ParseWholeNumber(text, value) && value >= 1 && value <= MaxSide;
}

}  // namespace

PixelSize ParseSize(const std::string& option, const std::optional<std::string>& text, PixelSize fallback)
{
    if (!text)
        return fallback;
    const std::string_view whole = *text;
    const std::size_t x = whole.find('x');
    int w = 0, h = 0;
    if (x == std::string_view::npos || !ParseSide(whole.substr(0, x), w)
        || !ParseSide(whole.substr(x + 1), h))
        FailUsage(option + " takes WIDTHxHEIGHT in pixels, each 1..20000, such as 600x400, not '"
                  + Shown(*text) + "'");
    return {w, h};
}

}  // namespace zenbelts::cli
