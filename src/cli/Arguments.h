#pragma once

// The words of a command line: options, flags, plain arguments, and how
// their values read. A failure ends the command with one line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zenbelts::cli {

// A failure that ends the command: one line on stderr, exit 2.
struct Failure {
    std::string message;
};

[[noreturn]] void Fail(std::string message);
// A usage error: the message and a pointer to --help.
[[noreturn]] void FailUsage(const std::string& what);

// A file name or argument as it may appear in a message: on one line, without
// control bytes.
std::string Shown(const std::string& text);

// The words of one command: options with values, flags and plain arguments.
class Arguments {
public:
    Arguments(const std::vector<std::string>& args, std::size_t first)
        : args_(args.begin() + first, args.end())
    {}

    // The value after option, taken out of the words; none when absent.
    std::optional<std::string> TakeValue(const std::string& option);
    bool TakeFlag(const std::string& flag);
    // Whatever remains; an unknown option is a usage error.
    std::vector<std::string> Rest() const;

private:
    std::vector<std::string> args_;
};

// A whole number within lo..hi, or a failure naming the option.
int ParseOption(const std::string& option, const std::string& text, int lo, int hi);

// Degrees as a plain decimal number, more than 0 (or 0 where allowed) and at
// most most, or a failure naming the option.
double ParseDegrees(const std::string& option, std::string_view text, bool zero, double most);

struct PixelSize {
    int width, height;
};
// WIDTHxHEIGHT, each plain digits within 1..20000; fallback when absent.
PixelSize ParseSize(const std::string& option, const std::optional<std::string>& text, PixelSize fallback);

}  // namespace zenbelts::cli
