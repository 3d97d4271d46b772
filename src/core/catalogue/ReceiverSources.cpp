#include "catalogue/ReceiverSources.h"

#include "catalogue/ReceiverFolder.h"
#include "catalogue/SatelliteList.h"
#include "io/FileAccess.h"

#include <algorithm>
#include <system_error>

namespace zenbelts {

namespace {

Message Named(const std::filesystem::path& path, Message why)
{
    return Message(ZB_TEXT("io", "%1: %2"), {Message::Literal(PrintableText(path.string())), std::move(why)});
}

bool IsFolder(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// The bytes an import of the sources reads, for its progress: every file,
// and the files of every folder that are read.
std::uint64_t SourceBytes(const std::vector<std::filesystem::path>& sources,
                          std::optional<ReceiverFormat> format)
{
    std::uint64_t bytes = 0;
    const auto add = [&bytes](const std::filesystem::path& file) {
        std::error_code ec;
        const std::uintmax_t size = std::filesystem::file_size(file, ec);
        bytes += ec ? 0 : size;
    };
    for (const std::filesystem::path& path : sources) {
        ReceiverFolder folder;
        Message error;
        if (!IsFolder(path))
            add(path);
        else if (ListReceiverFolder(path, format.value_or(ReceiverFormat::Unknown), folder, error)
                 && folder.format != ReceiverFormat::ScanTables)
            std::for_each(folder.files.begin(), folder.files.end(), add);
    }
    return bytes;
}

bool ReadSource(const std::filesystem::path& path, std::string& content, Message& error)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadRegularFile(path, ReceiverFileMaxBytes, bytes, error))
        return false;
    content.assign(bytes.begin(), bytes.end());
    return true;
}

bool ImportFolder(const std::filesystem::path& path, std::optional<ReceiverFormat> format,
                  ImportAccumulator& into, Message& error)
{
    if (format && *format != ReceiverFormat::Ini && *format != ReceiverFormat::ScanTables) {
        error = Named(path, Message(ZB_TEXT("io", "a folder is read as .ini files or scan tables, not as %1"),
                                    {Message::Literal(ReceiverFormatName(*format))}));
        return false;
    }
    ReceiverFolder folder;
    Message why;
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
        Message error;
        if (!ListReceiverFolder(source, ReceiverFormat::Unknown, folder, error) || folder.files.empty())
            return ReceiverFormat::Unknown;
        return folder.format;
    }
    std::string content;
    Message error;
    if (!ReadSource(source, content, error))
        return ReceiverFormat::Unknown;
    return DetectFormat(source.string(), content);
}

bool ImportReceiverSources(const std::vector<std::filesystem::path>& sources,
                           std::optional<ReceiverFormat> format, ReceiverSourceUse use, ImportResult& result,
                           Message& error, const ImportProgress& progress)
{
    ImportAccumulator into;
    const std::uint64_t inAll = progress ? SourceBytes(sources, format) : 0;
    if (progress)
        into.Watch([&](std::uint64_t read) { return progress(std::min(read, inAll), inAll); });
    const auto cancelled = [&] {
        error = Message(ZB_TEXT("io", "the import was cancelled"));
        return false;
    };
    for (const std::filesystem::path& path : sources) {
        if (into.Stopped())
            return cancelled();
        if (IsFolder(path)) {
            if (!ImportFolder(path, format, into, error))
                return false;
            continue;
        }
        std::string content;
        Message why;
        if (!ReadSource(path, content, why)) {
            error = Named(path, why);
            return false;
        }
        const ReceiverFormat shown = format.value_or(DetectFormat(path.string(), content));
        if (shown == ReceiverFormat::Unknown) {
            error = Named(path, Message(ZB_TEXT("io", "cannot tell which format it is in")));
            return false;
        }
        if (use == ReceiverSourceUse::SatelliteList && !NamesSatellites(shown)) {
            error = Named(path,
                          Message(ZB_TEXT("io", "a list of channels (%1) names positions, not satellites"),
                                  {Message::Literal(ReceiverFormatName(shown))}));
            return false;
        }
        ImportInto(shown, path.string(), content, into);
    }
    // A cancellation as the last file ended counts too.
    if (into.Stopped() || (progress && !progress(inAll, inAll)))
        return cancelled();
    result = into.Result();
    return true;
}

SatelliteListResult ImportedCatalogue(const ImportResult& result, SatelliteCatalogue& catalogue)
{
    SatelliteCatalogue read;
    const SatelliteListResult back = ReadSatelliteList(WriteSatelliteList(result.satellites), read);
    if (back)
        catalogue = std::move(read);
    return back;
}

}  // namespace zenbelts
