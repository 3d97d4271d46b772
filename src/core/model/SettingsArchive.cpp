#include "model/SettingsArchive.h"

#include "model/MountSettings.h"
#include "model/SettingsExtension.h"

#include <cstring>

namespace zenbelts {

ArchiveError::ArchiveError(Cause cause, Message detail)
    : std::runtime_error(detail.English()), cause_(cause), detail_(std::move(detail))
{}

void SettingsWriter::WriteInt32(std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                                   static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
    WriteBytes(bytes, 4);
}

void SettingsWriter::WriteBytes(const void* data, std::size_t size)
{
    const auto* p = static_cast<const std::uint8_t*>(data);
    out_.insert(out_.end(), p, p + size);
}

std::int32_t SettingsReader::ReadInt32()
{
    if (in_.size() - pos_ < 4)
        throw ArchiveError(ArchiveError::Cause::EndOfFile, Message(ZB_TEXT("setup", "it ends early")));
    const std::uint8_t* p = in_.data() + pos_;
    pos_ += 4;
    return static_cast<std::int32_t>(ReadLittleEndian32(p));
}

std::size_t SettingsReader::ReadBytes(void* data, std::size_t size)
{
    const std::size_t n = std::min(size, in_.size() - pos_);
    if (n > 0)
        std::memcpy(data, in_.data() + pos_, n);
    pos_ += n;
    return n;
}

std::vector<std::uint8_t> StoreSettings(const MountSettings& settings)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(SettingsArchiveSize);
    SettingsWriter writer(bytes);
    settings.Store(writer);
    const std::vector<std::uint8_t> extension = StoreExtension(settings);
    bytes.insert(bytes.end(), extension.begin(), extension.end());
    return bytes;
}

void LoadSettings(std::span<const std::uint8_t> bytes, MountSettings& target)
{
    MountSettings loaded;
    SettingsReader reader(bytes);
    loaded.Load(reader);
    if (bytes.size() > SettingsArchiveSize)
        LoadExtension(bytes.subspan(SettingsArchiveSize), loaded);
    target = loaded;
}

}  // namespace zenbelts
