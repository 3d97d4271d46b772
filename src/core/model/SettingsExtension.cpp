#include "model/SettingsExtension.h"

#include "model/MountSettings.h"
#include "model/SettingsArchive.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace zenbelts {

namespace {

constexpr std::uint8_t DishTag[4] = {'D', 'I', 'S', 'H'};
constexpr std::size_t DishBytes = 8;
constexpr std::size_t RecordHeaderBytes = 8;

constexpr std::array<std::uint32_t, 256> MakeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

void Append32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void AppendTag(std::vector<std::uint8_t>& out, const std::uint8_t (&tag)[4])
{
    out.insert(out.end(), tag, tag + 4);
}

[[noreturn]] void Damaged(Message why)
{
    throw ArchiveError(ArchiveError::Cause::BadSchema,
                       Message(ZB_TEXT("setup", "the dish extension is damaged: %1"), {std::move(why)}));
}

bool StartsWith(std::span<const std::uint8_t> bytes, const std::uint8_t (&tag)[4])
{
    return bytes.size() >= 4 && std::memcmp(bytes.data(), tag, 4) == 0;
}

void ReadDish(std::span<const std::uint8_t> body, MountSettings& s)
{
    if (body.size() != DishBytes)
        Damaged(Message(ZB_TEXT("setup", "a record does not read")));
    const auto offset = static_cast<std::int32_t>(ReadLittleEndian32(body.data()));
    const auto feedUp = static_cast<std::int32_t>(ReadLittleEndian32(body.data() + 4));
    if (offset < 0 || offset > DishOffsetMax)
        Damaged(
            Message(ZB_TEXT("setup", "the %1 is out of range"), {Message(ZB_TEXT("setup", "dish offset"))}));
    if (feedUp != 0 && feedUp != 1)
        Damaged(Message(ZB_TEXT("setup", "the feed arm is neither below nor above the dish")));
    s.dishOffset = offset;
    s.feedUp = feedUp;
}

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes)
{
    static constexpr std::array<std::uint32_t, 256> Table = MakeCrcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes)
        c = Table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::vector<std::uint8_t> StoreExtension(const MountSettings& s)
{
    std::vector<std::uint8_t> records;
    if (s.dishOffset != 0 || s.feedUp != 0) {
        AppendTag(records, DishTag);
        Append32(records, DishBytes);
        Append32(records, static_cast<std::uint32_t>(s.dishOffset));
        Append32(records, static_cast<std::uint32_t>(s.feedUp));
    }
    if (records.empty())
        return records;

    std::vector<std::uint8_t> out;
    out.reserve(ExtensionFrameBytes + records.size());
    AppendTag(out, ExtensionTag);
    Append32(out, static_cast<std::uint32_t>(ExtensionVersion));
    Append32(out, static_cast<std::uint32_t>(records.size()));
    out.insert(out.end(), records.begin(), records.end());
    Append32(out, Crc32(records));
    return out;
}

void LoadExtension(std::span<const std::uint8_t> rest, MountSettings& s)
{
    // Anything else after the record was never read and still is not; the
    // start of the tag alone is an extension cut short.
    const std::size_t tagBytes = std::min<std::size_t>(rest.size(), 4);
    if (rest.empty() || std::memcmp(rest.data(), ExtensionTag, tagBytes) != 0)
        return;
    if (rest.size() < 12)
        Damaged(Message(ZB_TEXT("setup", "it ends early")));
    const auto version = static_cast<std::int32_t>(ReadLittleEndian32(rest.data() + 4));
    const std::uint32_t length = ReadLittleEndian32(rest.data() + 8);
    if (version > ExtensionVersion)
        throw ArchiveError(ArchiveError::Cause::BadSchema,
                           Message(ZB_TEXT("setup", "the dish extension is of a later version (%1)"),
                                   {Message::Number(version)}));
    if (version < 1)
        Damaged(Message(ZB_TEXT("setup", "its version is unknown")));
    if (rest.size() < ExtensionFrameBytes || length > rest.size() - ExtensionFrameBytes)
        Damaged(Message(ZB_TEXT("setup", "it ends early")));
    const std::size_t available = rest.size() - ExtensionFrameBytes;
    if (length != available)
        Damaged(Message(ZB_TEXT("setup", "its length does not match the file")));

    const std::span<const std::uint8_t> records = rest.subspan(12, length);
    if (Crc32(records) != ReadLittleEndian32(rest.data() + 12 + length))
        Damaged(Message(ZB_TEXT("setup", "its check does not match")));

    MountSettings read = s;
    bool dishSeen = false;
    for (std::span<const std::uint8_t> r = records; !r.empty();) {
        if (r.size() < RecordHeaderBytes)
            Damaged(Message(ZB_TEXT("setup", "a record does not read")));
        const std::uint32_t size = ReadLittleEndian32(r.data() + 4);
        if (size > r.size() - RecordHeaderBytes)
            Damaged(Message(ZB_TEXT("setup", "a record does not read")));
        const std::span<const std::uint8_t> body = r.subspan(RecordHeaderBytes, size);
        if (StartsWith(r, DishTag)) {
            if (dishSeen)
                Damaged(Message(ZB_TEXT("setup", "a record does not read")));
            dishSeen = true;
            ReadDish(body, read);
        }
        // Records of later versions are skipped whole.
        r = r.subspan(RecordHeaderBytes + size);
    }
    s = read;
}

}  // namespace zenbelts
