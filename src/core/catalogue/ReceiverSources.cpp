#include "catalogue/ReceiverSources.h"

#include "catalogue/ReceiverFolder.h"
#include "catalogue/SatelliteList.h"
#include "io/FileAccess.h"

#include <sstream>
#include <system_error>

namespace zenbelts {

namespace {

std::string Named(const std::filesystem::path& path, const std::string& why)
{
    return PrintableText(path.string()) + ": " + why;
}

bool IsFolder(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

bool ReadSource(const std::filesystem::path& path, std::string& content, std::string& error)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadRegularFile(path, ReceiverFileMaxBytes, bytes, error))
        return false;
    content.assign(bytes.begin(), bytes.end());
    return true;
}

bool ImportFolder(const std::filesystem::path& path, std::optional<ReceiverFormat> format,
                  ImportAccumulator& into, std::string& error)
{
    if (format && *format != ReceiverFormat::Ini && *format != ReceiverFormat::ScanTables) {
        error = Named(path, std::string("a folder is read as .ini files or scan tables, not as ")
                                + ReceiverFormatName(*format));
        return false;
    }
    ReceiverFolder folder;
    std::string why;
    if (!ListReceiverFolder(path, format.value_or(ReceiverFormat::Unknown), folder, why)) {
        error = Named(path, why);
        return false;
    }
    ImportReceiverFolderInto(folder, into);
    return true;
}

}  // namespace

bool NamesSatellites(ReceiverFormat format)
{
    return format != ReceiverFormat::Channels && format != ReceiverFormat::Lamedb
           && format != ReceiverFormat::Unknown;
}

ReceiverFormat SourceFormat(const std::filesystem::path& source)
{
    if (IsFolder(source)) {
        ReceiverFolder folder;
        std::string error;
        if (!ListReceiverFolder(source, ReceiverFormat::Unknown, folder, error) || folder.files.empty())
            return ReceiverFormat::Unknown;
        return folder.format;
    }
    std::string content, error;
    if (!ReadSource(source, content, error))
        return ReceiverFormat::Unknown;
    return DetectFormat(source.string(), content);
}

bool ImportReceiverSources(const std::vector<std::filesystem::path>& sources,
                           std::optional<ReceiverFormat> format, ReceiverSourceUse use, ImportResult& result,
                           std::string& error)
{
    ImportAccumulator into;
    for (const std::filesystem::path& path : sources) {
        if (IsFolder(path)) {
            if (!ImportFolder(path, format, into, error))
                return false;
            continue;
        }
        std::string content, why;
        if (!ReadSource(path, content, why)) {
            error = Named(path, why);
            return false;
        }
        const ReceiverFormat shown = format.value_or(DetectFormat(path.string(), content));
        if (shown == ReceiverFormat::Unknown) {
            error = Named(path, "cannot tell which format it is in");
            return false;
        }
        if (use == ReceiverSourceUse::SatelliteList && !NamesSatellites(shown)) {
            error = Named(path, std::string("a list of channels (") + ReceiverFormatName(shown)
                                    + ") names positions, not satellites");
            return false;
        }
        ImportInto(shown, path.string(), content, into);
    }
    result = into.Result();
    return true;
}

SatelliteCatalogue ImportedCatalogue(const ImportResult& result)
{
    SatelliteCatalogue catalogue;
    std::istringstream in(WriteSatelliteList(result.satellites));
    // Lines of the program's own writing are never too long for its reader.
    (void)ReadSatelliteList(in, catalogue, SatelliteListMaxBytes);
    return catalogue;
}

}  // namespace zenbelts
