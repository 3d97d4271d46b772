// One receiver format's reader (ZENBELTS_FUZZ_FORMAT) on any bytes: it never
// crashes, and what it reads keeps the invariants of an import.

#include "FuzzChecks.h"

#include <cstdint>
#include <string_view>

using namespace zenbelts;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr ReceiverFormat format = ReceiverFormat::ZENBELTS_FUZZ_FORMAT;
    // The .ini reader falls back on the file's name for the position.
    const char* fileName = format == ReceiverFormat::Ini ? "0192.ini" : "list";
    CheckImported(
        ImportReceiverFile(format, fileName, std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
