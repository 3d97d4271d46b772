// The extension reader on any bytes after a valid record: it refuses them,
// or loads a set-up that keeps every invariant and stores and loads back
// the same, extension and all.

#include "model/MountSettings.h"
#include "model/SettingsArchive.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

using namespace zenbelts;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<std::uint8_t> record = [] {
        SatelliteCatalogue catalogue;
        catalogue.InsertOrRename(130, "S");
        MountSettings s;
        s.LoadFactoryDefaults(catalogue);
        return StoreSettings(s);
    }();
    // Most inputs begin as an extension, so the fuzzer need not find the tag.
    std::vector<std::uint8_t> bytes = record;
    if (size > 0 && data[0] % 4 != 0)
        bytes.insert(bytes.end(), {'Z', 'B', 'E', 'X'});
    if (size > 0)
        bytes.insert(bytes.end(), data + 1, data + size);

    MountSettings loaded;
    try {
        LoadSettings(bytes, loaded);
    } catch (const ArchiveError&) {
        return 0;
    }
    if (!HasValidInputs(loaded))
        std::abort();
    MountSettings again;
    try {
        LoadSettings(StoreSettings(loaded), again);
    } catch (const ArchiveError&) {
        std::abort();
    }
    if (!(again == loaded))
        std::abort();
    return 0;
}
