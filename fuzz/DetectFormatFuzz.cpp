// Format detection on any file: the first line is its name, the rest its
// contents. Only the start of the contents may tell, and what the detected
// format reads keeps the invariants of an import.

#include "FuzzChecks.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace zenbelts;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view name = input.substr(0, newline);
    const std::string_view content
        = newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);
    const ReceiverFormat format = DetectFormat(name, content);
    if (DetectFormat(name, content.substr(0, 8192)) != format)
        std::abort();
    if (format != ReceiverFormat::Unknown)
        CheckImported(ImportReceiverFile(format, name, content));
    return 0;
}
