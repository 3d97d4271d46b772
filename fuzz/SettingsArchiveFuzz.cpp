// The archive reader on any bytes: it refuses or loads a record that keeps
// every invariant and stores and loads back the same.

#include "model/MountSettings.h"
#include "model/SettingsArchive.h"

#include <cstdint>
#include <cstdlib>
#include <span>

using namespace zenbelts;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MountSettings loaded;
    try {
        LoadSettings(std::span(data, size), loaded);
    } catch (const ArchiveError&) {
        return 0;
    }
    if (!HasValidInputs(loaded))
        std::abort();
    MountSettings again;
    try {
        LoadSettings(StoreSettings(loaded), again);
    } catch (const ArchiveError&) {
        std::abort();  // a loaded record must store into bytes the reader takes
    }
    if (!(again == loaded))
        std::abort();
    return 0;
}
