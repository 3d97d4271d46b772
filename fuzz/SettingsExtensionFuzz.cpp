// The extension reader on any bytes after a valid record: it refuses them,
// or loads a set-up that keeps every invariant and stores and loads back
// the same, extension and all.

#include "model/MountSettings.h"
#include "model/SettingsArchive.h"
#include "model/SettingsExtension.h"

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
    // Most inputs begin as an extension, so the fuzzer need not find the tag;
    // a quarter are records framed whole with their check, so that it need
    // not find the CRC either and reaches every record's reader.
    std::vector<std::uint8_t> bytes = record;
    const int mode = size > 0 ? data[0] % 4 : 0;
    if (mode == 3) {
        const std::span<const std::uint8_t> records(data + 1, size - 1);
        const auto put32 = [&bytes](std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        };
        bytes.insert(bytes.end(), {'Z', 'B', 'E', 'X'});
        put32(static_cast<std::uint32_t>(ExtensionVersion));
        put32(static_cast<std::uint32_t>(records.size()));
        bytes.insert(bytes.end(), records.begin(), records.end());
        put32(Crc32(records));
    } else {
        if (mode != 0)
            bytes.insert(bytes.end(), {'Z', 'B', 'E', 'X'});
        if (size > 0)
            bytes.insert(bytes.end(), data + 1, data + size);
    }

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
