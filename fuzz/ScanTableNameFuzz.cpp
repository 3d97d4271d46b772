// A scan table's file name, any bytes: the table imports as the one
// satellite its name gives, or is skipped when the name gives none.

#include "FuzzChecks.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

using namespace zenbelts;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string fileName(reinterpret_cast<const char*>(data), size);
    const std::optional<ImportedSatellite> named = ParseScanTableName(fileName);
    const ImportResult r = ImportReceiverFile(ReceiverFormat::ScanTables, fileName, "");
    CheckImported(r);
    if (named.has_value() != (r.satellites.size() == 1) || r.skipped != (named ? 0 : 1))
        std::abort();
    if (named && named->position != r.satellites[0].position)
        std::abort();
    return 0;
}
