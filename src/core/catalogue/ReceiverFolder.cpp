#include "catalogue/ReceiverFolder.h"

#include "io/FileAccess.h"

#include <algorithm>
#include <system_error>

namespace zenbelts {

namespace {

bool HasIniExtension(const std::string& name)
{
    if (name.size() < 5)
        return false;
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return extension == ".ini";
}

}  // namespace

bool ListReceiverFolder(const std::filesystem::path& folder, ReceiverFormat format, ReceiverFolder& out,
                        Message& error)
{
    out = {};
    std::error_code ec;
    std::vector<std::filesystem::path> ini, scanTables;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) {
        error = Message(ZB_TEXT("io", "cannot list the folder: %1"), {Message::Literal(ec.message())});
        return false;
    }
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        // Links are followed; folders, devices and FIFOs are not files to read.
        if (!it->is_regular_file(ec))
            continue;
        const std::string name = it->path().filename().string();
        if (HasIniExtension(name))
            ini.push_back(it->path());
        else if (ParseScanTableName(name))
            scanTables.push_back(it->path());
    }
    if (ec) {
        error = Message(ZB_TEXT("io", "cannot list the folder: %1"), {Message::Literal(ec.message())});
        return false;
    }
    if (format == ReceiverFormat::Unknown)
        format = ini.empty() && !scanTables.empty() ? ReceiverFormat::ScanTables : ReceiverFormat::Ini;
    if (format == ReceiverFormat::Ini)
        out.files = std::move(ini);
    else if (format == ReceiverFormat::ScanTables)
        out.files = std::move(scanTables);
    out.format = format;
    std::sort(out.files.begin(), out.files.end(),
              [](const auto& a, const auto& b) { return a.filename() < b.filename(); });
    return true;
}

ImportResult ImportReceiverFolder(const ReceiverFolder& folder, std::size_t maxFileBytes)
{
    ImportAccumulator into;
    ImportReceiverFolderInto(folder, into, maxFileBytes);
    return into.Result();
}

void ImportReceiverFolderInto(const ReceiverFolder& folder, ImportAccumulator& into, std::size_t maxFileBytes)
{
    for (const std::filesystem::path& path : folder.files) {
        if (into.Stopped())
            return;
        std::vector<std::uint8_t> bytes;
        Message error;
        // A scan table's position is in its name: its content is not needed.
        if (folder.format != ReceiverFormat::ScanTables
            && !ReadRegularFile(path, maxFileBytes, bytes, error)) {
            into.Skip();
            continue;
        }
        const std::string content(bytes.begin(), bytes.end());
        ImportInto(folder.format, path.filename().string(), content, into);
    }
}

}  // namespace zenbelts
