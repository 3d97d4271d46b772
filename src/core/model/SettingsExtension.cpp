#include "model/SettingsExtension.h"

#include "model/MountSettings.h"
#include "model/SettingsArchive.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace zenbelts {

namespace {

constexpr std::uint8_t DishTag[4] = {'D', 'I', 'S', 'H'};
constexpr std::uint8_t HorizonTag[4] = {'H', 'R', 'Z', 'N'};
constexpr std::uint8_t MotorTag[4] = {'M', 'O', 'T', 'R'};
constexpr std::uint8_t DiameterTag[4] = {'D', 'I', 'A', 'M'};
constexpr std::size_t DishBytes = 8;
constexpr std::size_t HorizonPointBytes = 8;
constexpr std::size_t MotorBytes = 8;
constexpr std::size_t DiameterBytes = 4;
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
                       Message(ZB_TEXT("setup", "the set-up's extension is damaged: %1"), {std::move(why)}));
}

bool StartsWith(std::span<const std::uint8_t> bytes, const std::uint8_t (&tag)[4])
{
    return bytes.size() >= 4 && std::memcmp(bytes.data(), tag, 4) == 0;
}

[[noreturn]] void Unreadable()
{
    Damaged(Message(ZB_TEXT("setup", "a record does not read")));
}

[[noreturn]] void OutOfRange(MessageText what)
{
    Damaged(Message(ZB_TEXT("setup", "the %1 is out of range"), {Message(what)}));
}

std::int32_t Word(std::span<const std::uint8_t> body, std::size_t index)
{
    return static_cast<std::int32_t>(ReadLittleEndian32(body.data() + 4 * index));
}

void ReadDish(std::span<const std::uint8_t> body, MountSettings& s)
{
    if (body.size() != DishBytes)
        Unreadable();
    const auto offset = static_cast<std::int32_t>(ReadLittleEndian32(body.data()));
    const auto feedUp = static_cast<std::int32_t>(ReadLittleEndian32(body.data() + 4));
    if (offset < 0 || offset > DishOffsetMax)
        OutOfRange(ZB_TEXT("setup", "dish offset"));
    if (feedUp != 0 && feedUp != 1)
        Damaged(Message(ZB_TEXT("setup", "the feed arm is neither below nor above the dish")));
    s.dishOffset = offset;
    s.feedUp = feedUp;
}

void ReadHorizon(std::span<const std::uint8_t> body, MountSettings& s)
{
    if (body.size() % HorizonPointBytes != 0)
        Unreadable();
    std::vector<HorizonPoint> horizon(body.size() / HorizonPointBytes);
    for (std::size_t i = 0; i < horizon.size(); ++i)
        horizon[i] = {Word(body, 2 * i), Word(body, 2 * i + 1)};
    if (!IsValidHorizon(horizon))
        OutOfRange(ZB_TEXT("setup", "horizon mask"));
    s.horizon = std::move(horizon);
}

void ReadMotor(std::span<const std::uint8_t> body, MountSettings& s)
{
    if (body.size() != MotorBytes)
        Unreadable();
    const std::int32_t east = Word(body, 0), west = Word(body, 1);
    if (east < 0 || east > MotorLimitMax || west < 0 || west > MotorLimitMax)
        OutOfRange(ZB_TEXT("setup", "motor's range"));
    s.motorEast = east;
    s.motorWest = west;
}

void ReadDiameter(std::span<const std::uint8_t> body, MountSettings& s)
{
    if (body.size() != DiameterBytes)
        Unreadable();
    const std::int32_t diameter = Word(body, 0);
    if (diameter < DishDiameterMin || diameter > DishDiameterMax)
        OutOfRange(ZB_TEXT("setup", "dish diameter"));
    s.dishDiameter = diameter;
}

void AppendRecord(std::vector<std::uint8_t>& out, const std::uint8_t (&tag)[4],
                  const std::vector<std::int32_t>& words)
{
    AppendTag(out, tag);
    Append32(out, static_cast<std::uint32_t>(4 * words.size()));
    for (std::int32_t w : words)
        Append32(out, static_cast<std::uint32_t>(w));
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
    if (s.dishOffset != 0 || s.feedUp != 0)
        AppendRecord(records, DishTag, {s.dishOffset, s.feedUp});
    if (!s.horizon.empty()) {
        std::vector<std::int32_t> words;
        words.reserve(2 * s.horizon.size());
        for (const HorizonPoint& p : s.horizon)
            words.insert(words.end(), {p.azimuth, p.elevation});
        AppendRecord(records, HorizonTag, words);
    }
    if (s.motorEast != DefaultMotorLimit || s.motorWest != DefaultMotorLimit)
        AppendRecord(records, MotorTag, {s.motorEast, s.motorWest});
    if (s.dishDiameter != DefaultDishDiameter)
        AppendRecord(records, DiameterTag, {s.dishDiameter});
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
                           Message(ZB_TEXT("setup", "the set-up's extension is of a later version (%1)"),
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

    using Reader = void (*)(std::span<const std::uint8_t>, MountSettings&);
    static constexpr struct {
        const std::uint8_t (&tag)[4];
        Reader read;
    } Known[] = {
        {DishTag, ReadDish}, {HorizonTag, ReadHorizon}, {MotorTag, ReadMotor}, {DiameterTag, ReadDiameter}};
    MountSettings read = s;
    bool seen[std::size(Known)] = {};
    for (std::span<const std::uint8_t> r = records; !r.empty();) {
        if (r.size() < RecordHeaderBytes)
            Unreadable();
        const std::uint32_t size = ReadLittleEndian32(r.data() + 4);
        if (size > r.size() - RecordHeaderBytes)
            Unreadable();
        const std::span<const std::uint8_t> body = r.subspan(RecordHeaderBytes, size);
        for (std::size_t k = 0; k < std::size(Known); ++k) {
            if (!StartsWith(r, Known[k].tag))
                continue;
            // A record twice would leave which one holds to chance.
            if (seen[k])
                Unreadable();
            seen[k] = true;
            Known[k].read(body, read);
        }
        // Records of later versions are skipped whole.
        r = r.subspan(RecordHeaderBytes + size);
    }
    s = std::move(read);
}

}  // namespace zenbelts
