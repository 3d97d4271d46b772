#include "catalogue/ReceiverFormats.h"

#include "catalogue/SatelliteCatalogue.h"
#include "text/Characters.h"
#include "text/OrbitalPosition.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace zenbelts {

namespace {

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Every line of a file being imported, as long as the import goes on.
template <typename F>
void ForEachImportLine(std::string_view text, ImportAccumulator& into, F f)
{
    ForEachTextLine(text, [&](std::string_view line) {
        if (!into.Reached(static_cast<std::size_t>(line.data() - text.data())))
            return false;
        f(line);
        return true;
    });
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t end = text.find(separator);
        fields.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return fields;
        text.remove_prefix(end + 1);
    }
}

// A whole signed integer of at most 9 digits.
bool ParseInt(std::string_view text, long& value)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 9)
        return false;
    long v = 0;
    for (char c : text) {
        if (!IsDigit(c))
            return false;
        v = v * 10 + (c - '0');
    }
    value = negative ? -v : v;
    return true;
}

// Signed tenths (west negative; 0..3599 taken as they are) as a position.
bool SignedTenthsToPosition(long tenths, int& position)
{
    if (tenths <= -PositionCount || tenths >= PositionCount)
        return false;
    position = static_cast<int>((tenths + PositionCount) % PositionCount);
    return true;
}

// "19.2E" and the like in a receiver's file: further decimals are rounded.
constexpr PositionSyntax ReceiverSyntax{.roundDecimals = true};

// "19.2E" exactly, the letter in either case.
bool ParsePositionCode(std::string_view text, int& position)
{
    const std::optional<int> read = ParsePosition(text, ReceiverSyntax);
    if (read)
        position = *read;
    return read.has_value();
}

// Blanks and C0 controls as single spaces, none at either end; C1 controls
// and the characters that reorder text left out.
std::string CleanName(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (const std::size_t control = DisplayControlLength(text, i); control > 0 || c == ' ') {
            blank = blank || control <= 1;
            i += std::max<std::size_t>(control, 1);
            continue;
        }
        if (blank && !out.empty())
            out += ' ';
        blank = false;
        out += c;
        ++i;
    }
    return out;
}

// "C-band", "Ku-band", "KA-BAND" and the like.
bool IsBandWord(std::string_view word)
{
    if (word.size() < 6 || word.size() > 8 || !EqualNoCase(word.substr(word.size() - 5), "-band"))
        return false;
    for (char c : word.substr(0, word.size() - 5)) {
        if (Lower(c) < 'a' || Lower(c) > 'z')
            return false;
    }
    return true;
}

// The words of a cleaned name without those that name a band.
std::string WithoutBandWords(std::string_view name, std::string_view band = {})
{
    std::string out;
    for (std::string_view word : Split(name, ' ')) {
        if (word.empty() || IsBandWord(word) || (!band.empty() && EqualNoCase(word, band)))
            continue;
        if (!out.empty())
            out += ' ';
        out += word;
    }
    return out;
}

std::string Latin1ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        AppendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

// The character an entity stands for, appended; false for anything unknown
// or not a character, which then stays as written.
bool AppendEntity(std::string_view entity, std::string& out)
{
    static constexpr std::pair<std::string_view, char> Named[]
        = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [name, c] : Named) {
        if (entity == name) {
            out += c;
            return true;
        }
    }
    if (entity.size() < 2 || entity.front() != '#')
        return false;
    const bool hex = entity[1] == 'x' || entity[1] == 'X';
    const std::string_view digits = entity.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8)
        return false;
    std::uint32_t code = 0;
    for (char c : digits) {
        int d;
        if (IsDigit(c))
            d = c - '0';
        else if (hex && Lower(c) >= 'a' && Lower(c) <= 'f')
            d = Lower(c) - 'a' + 10;
        else
            return false;
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return false;
    AppendUtf8(out, code);
    return true;
}

std::string DecodeEntities(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '&') {
            const std::size_t end = text.find(';', i + 1);
            if (end != std::string_view::npos && end - i <= 12
                && AppendEntity(text.substr(i + 1, end - i - 1), out)) {
                i = end + 1;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

// ---- satellites.xml ----

enum class XmlEncoding { Utf8, Latin1 };

XmlEncoding DeclaredEncoding(std::string_view content)
{
    if (content.substr(0, 3) == "\xEF\xBB\xBF")
        content.remove_prefix(3);
    content = Trim(content.substr(0, 512));
    if (content.substr(0, 5) != "<?xml")
        return XmlEncoding::Utf8;
    const std::string_view declaration = content.substr(0, content.find("?>"));
    const std::size_t at = declaration.find("encoding");
    if (at == std::string_view::npos)
        return XmlEncoding::Utf8;
    std::string_view rest = Trim(declaration.substr(at + 8));
    if (rest.empty() || rest.front() != '=')
        return XmlEncoding::Utf8;
    rest = Trim(rest.substr(1));
    if (rest.empty() || (rest.front() != '"' && rest.front() != '\''))
        return XmlEncoding::Utf8;
    const std::string_view name = rest.substr(1, rest.find(rest.front(), 1) - 1);
    for (std::string_view latin : {"iso-8859-1", "iso8859-1", "iso_8859-1", "latin1", "latin-1", "l1"}) {
        if (EqualNoCase(name, latin))
            return XmlEncoding::Latin1;
    }
    return XmlEncoding::Utf8;
}

bool IsXmlNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '-' || c == '_' || c == ':'
           || c == '.';
}

struct SatTag {
    std::optional<std::string_view> name, position;
};

// Reads the attributes of a tag from i (just past its name) to its '>'.
// Returns where scanning goes on, or npos when the tag is broken; then
// resume is where the next tag may start.
std::size_t ReadAttributes(std::string_view s, std::size_t i, SatTag& tag, std::size_t& resume)
{
    const std::size_t n = s.size();
    for (;;) {
        while (i < n && IsSpace(s[i]))
            ++i;
        if (i >= n) {
            resume = n;
            return std::string_view::npos;
        }
        if (s[i] == '>')
            return i + 1;
        if (s[i] == '/' && i + 1 < n && s[i + 1] == '>')
            return i + 2;
        const std::size_t nameStart = i;
        while (i < n && IsXmlNameChar(s[i]))
            ++i;
        if (i == nameStart) {
            // A stray character; '<' is where the next tag starts.
            resume = s[i] == '<' ? i : i + 1;
            return std::string_view::npos;
        }
        const std::string_view attribute = s.substr(nameStart, i - nameStart);
        while (i < n && IsSpace(s[i]))
            ++i;
        std::string_view value;
        if (i < n && s[i] == '=') {
            ++i;
            while (i < n && IsSpace(s[i]))
                ++i;
            if (i < n && (s[i] == '"' || s[i] == '\'')) {
                const char quote = s[i++];
                const std::size_t start = i;
                // No '<' may stand in a value: one there means the quote
                // was never closed, and the tag ends unread.
                while (i < n && s[i] != quote && s[i] != '<')
                    ++i;
                if (i >= n || s[i] == '<') {
                    resume = i;
                    return std::string_view::npos;
                }
                value = s.substr(start, i - start);
                ++i;
            } else {
                const std::size_t start = i;
                while (i < n && !IsSpace(s[i]) && s[i] != '>' && s[i] != '<' && s[i] != '/')
                    ++i;
                value = s.substr(start, i - start);
            }
        }
        if (attribute == "name")
            tag.name = value;
        else if (attribute == "position")
            tag.position = value;
    }
}

void AddSatTag(const SatTag& tag, XmlEncoding encoding, ImportAccumulator& into)
{
    std::string name;
    if (tag.name) {
        const std::string utf8
            = encoding == XmlEncoding::Latin1 ? Latin1ToUtf8(*tag.name) : SatelliteNameToUtf8(*tag.name);
        name = CleanName(DecodeEntities(utf8));
    }
    // A position at the start of the name wins: lists move the entries of
    // other bands a tenth or two aside to keep each number unique.
    int position = 0;
    const std::size_t used = ParsePositionPrefix(name, position, ReceiverSyntax);
    if (used > 0) {
        name.erase(0, used);
    } else {
        long tenths = 0;
        if (!tag.position || !ParseInt(Trim(*tag.position), tenths)
            || !SignedTenthsToPosition(tenths, position)) {
            into.Skip();
            return;
        }
    }
    into.Add(position, WithoutBandWords(CleanName(name)));
}

void ImportXml(std::string_view s, ImportAccumulator& into)
{
    const XmlEncoding encoding = DeclaredEncoding(s);
    const std::size_t n = s.size();
    std::size_t pos = 0;
    const auto skipPast = [&](std::size_t from, std::string_view end) {
        const std::size_t at = s.find(end, from);
        return at == std::string_view::npos ? n : at + end.size();
    };
    while (pos < n && into.Reached(pos)) {
        const std::size_t lt = s.find('<', pos);
        if (lt == std::string_view::npos)
            break;
        const std::string_view rest = s.substr(lt);
        if (rest.starts_with("<!--")) {
            pos = skipPast(lt + 4, "-->");
            continue;
        }
        if (rest.starts_with("<![CDATA[")) {
            pos = skipPast(lt + 9, "]]>");
            continue;
        }
        if (rest.starts_with("<?")) {
            pos = skipPast(lt + 2, "?>");
            continue;
        }
        std::size_t i = lt + 1;
        while (i < n && IsXmlNameChar(s[i]))
            ++i;
        if (s.substr(lt + 1, i - lt - 1) != "sat"
            || (i < n && !IsSpace(s[i]) && s[i] != '>' && s[i] != '/')) {
            // Other tags are passed over; their values hold no '<'.
            pos = lt + 1;
            continue;
        }
        SatTag tag;
        std::size_t resume = n;
        const std::size_t end = ReadAttributes(s, i, tag, resume);
        if (end == std::string_view::npos) {
            into.Skip();
            pos = std::max(resume, lt + 1);
            continue;
        }
        AddSatTag(tag, encoding, into);
        pos = end;
    }
}

// ---- the line formats ----

void ImportSources(std::string_view text, ImportAccumulator& into)
{
    ForEachImportLine(text, into, [&](std::string_view line) {
        line = Trim(line.substr(0, line.find('#')));
        // Cable, terrestrial and the other sources have other letters.
        if (line.empty() || line.front() != 'S')
            return;
        std::size_t end = 0;
        while (end < line.size() && !IsSpace(line[end]))
            ++end;
        int position = 0;
        if (!ParsePositionCode(line.substr(1, end - 1), position)) {
            into.Skip();
            return;
        }
        into.Add(position, CleanName(SatelliteNameToUtf8(line.substr(end))));
    });
}

void ImportChannels(std::string_view text, ImportAccumulator& into)
{
    ForEachImportLine(text, into, [&](std::string_view line) {
        line = Trim(line);
        // Empty lines, group separators (":Name") and comments.
        if (line.empty() || line.front() == ':' || line.front() == '#')
            return;
        const std::vector<std::string_view> fields = Split(line, ':');
        if (fields.size() < 4) {
            into.Skip();
            return;
        }
        const std::string_view source = Trim(fields[3]);
        if (source.empty() || source.front() != 'S')
            return;
        int position = 0;
        if (ParsePositionCode(source.substr(1), position))
            into.Add(position, {});
        else
            into.Skip();
    });
}

void ImportLamedb(std::string_view text, ImportAccumulator& into)
{
    ForEachImportLine(text, into, [&](std::string_view line) {
        std::string_view data;
        if (line.starts_with("\ts ")) {
            data = line.substr(3);
        } else if (line.starts_with("t:")) {
            // The one-line form: "t:namespace:tsid:onid,s:frequency:...".
            const std::size_t at = line.find(",s:");
            if (at == std::string_view::npos)
                return;
            data = line.substr(at + 3);
        } else {
            return;
        }
        const std::vector<std::string_view> fields = Split(data, ':');
        long tenths = 0;
        int position = 0;
        if (fields.size() >= 5 && ParseInt(Trim(fields[4]), tenths)
            && SignedTenthsToPosition(tenths, position))
            into.Add(position, {});
        else
            into.Skip();
    });
}

std::string_view BaseName(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

void ImportIni(std::string_view fileName, std::string_view text, ImportAccumulator& into)
{
    bool inSection = false, seen = false;
    std::optional<std::string_view> positionText, name;
    ForEachImportLine(text, into, [&](std::string_view line) {
        line = Trim(line);
        if (line.starts_with('[')) {
            inSection = EqualNoCase(line, "[SATTYPE]");
            seen = seen || inSection;
            return;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos)
            return;
        const std::string_view key = Trim(line.substr(0, equals));
        if (key == "1" && !positionText)
            positionText = Trim(line.substr(equals + 1));
        else if (key == "2" && !name)
            name = Trim(line.substr(equals + 1));
    });
    long value = -1;
    if (!seen || !positionText || !ParseInt(*positionText, value) || value < 0 || value >= PositionCount) {
        // The file's name says the same: "0192.ini".
        const std::string_view base = BaseName(fileName);
        if (!seen || base.size() != 8 || !EqualNoCase(base.substr(4), ".ini")
            || !ParseInt(base.substr(0, 4), value) || value < 0 || value >= PositionCount) {
            into.Skip();
            return;
        }
    }
    into.Add(static_cast<int>(value), name ? CleanName(SatelliteNameToUtf8(*name)) : std::string());
}

void ImportNeumo(std::string_view text, ImportAccumulator& into)
{
    std::size_t positionColumn = 0, bandColumn = 1, nameColumn = 2;
    bool first = true;
    ForEachImportLine(text, into, [&](std::string_view line) {
        if (Trim(line).empty())
            return;
        std::vector<std::string_view> fields = Split(line, '\t');
        for (std::string_view& f : fields)
            f = Trim(f);
        if (first) {
            first = false;
            const auto column = [&](std::string_view heading, std::size_t& index) {
                const auto it = std::find(fields.begin(), fields.end(), heading);
                if (it != fields.end())
                    index = static_cast<std::size_t>(it - fields.begin());
                return it != fields.end();
            };
            if (column("sat_pos", positionColumn)) {
                column("band", bandColumn);
                column("name", nameColumn);
                return;
            }
        }
        long hundredths = 0;
        int position = 0;
        if (positionColumn >= fields.size() || !ParseInt(fields[positionColumn], hundredths)) {
            into.Skip();
            return;
        }
        // To the nearest tenth, halves away from zero.
        const long tenths = hundredths >= 0 ? (hundredths + 5) / 10 : -((-hundredths + 5) / 10);
        if (tenths < -PositionCount / 2 || tenths > PositionCount / 2
            || !SignedTenthsToPosition(tenths, position)) {
            into.Skip();
            return;
        }
        const std::string_view band = bandColumn < fields.size() ? fields[bandColumn] : std::string_view();
        std::string name = nameColumn < fields.size()
                               ? WithoutBandWords(CleanName(SatelliteNameToUtf8(fields[nameColumn])), band)
                               : std::string();
        // A name that is only a position ("19.2 E") says nothing more.
        int named = 0;
        if (!name.empty()
            && ParsePositionPrefix(name, named, {.blankBeforeLetter = true, .roundDecimals = true})
                   == name.size())
            name.clear();
        into.Add(position, name);
    });
}

void ImportScanTable(std::string_view fileName, ImportAccumulator& into)
{
    if (const std::optional<ImportedSatellite> s = ParseScanTableName(fileName))
        into.Add(s->position, s->name);
    else
        into.Skip();
}

// ---- detection ----

bool LooksLikeSourcesLine(std::string_view line)
{
    std::size_t end = 0;
    while (end < line.size() && !IsSpace(line[end]))
        ++end;
    int position = 0;
    return line.size() > 1 && line.front() == 'S' && ParsePositionCode(line.substr(1, end - 1), position);
}

bool LooksLikeChannelsLine(std::string_view line)
{
    const std::vector<std::string_view> fields = Split(line, ':');
    if (fields.size() < 9)
        return false;
    const std::string_view source = fields[3];
    return !source.empty() && source.front() >= 'A' && source.front() <= 'Z';
}

}  // namespace

void ImportAccumulator::Add(int position, std::string_view name)
{
    ++read_;
    auto [it, inserted] = names_.try_emplace(position);
    if (!inserted)
        ++merged_;
    // A name that is itself joined ("Astra 4A & SES 5") adds its parts.
    for (;;) {
        const std::size_t separator = name.find(" & ");
        AddPart(it->second, name.substr(0, separator));
        if (separator == std::string_view::npos)
            return;
        name.remove_prefix(separator + 3);
    }
}

void ImportAccumulator::AddPart(Names& names, std::string_view part)
{
    if (part.empty() || names.kept.contains(part))
        return;
    const std::size_t joined = names.bytes + (names.order.empty() ? 0 : 3) + part.size();
    if (names.order.size() >= MaxNamesPerPosition || (joined > MaxNameBytes && !names.order.empty())) {
        names.cut = true;
        return;
    }
    // The first name alone may be too long: cut at a character.
    const std::string_view kept = CutAtCharacter(part, MaxNameBytes);
    names.cut = names.cut || kept.size() < part.size();
    names.order.push_back(&*names.kept.emplace(kept).first);
    names.bytes = std::min(joined, MaxNameBytes);
}

ImportResult ImportAccumulator::Result() const
{
    ImportResult result;
    result.read = read_;
    result.merged = merged_;
    result.skipped = skipped_;
    result.satellites.reserve(names_.size());
    for (const auto& [position, names] : names_) {
        std::string joined;
        for (const std::string* name : names.order)
            joined += (joined.empty() ? "" : " & ") + *name;
        result.satellites.push_back({position, joined.empty() ? PositionCode(position) : joined});
        result.cut += names.cut;
    }
    return result;
}

void ImportAccumulator::Watch(std::function<bool(std::uint64_t)> progress)
{
    progress_ = std::move(progress);
    nextReport_ = filesRead_;
}

bool ImportAccumulator::Reached(std::size_t offset)
{
    // Told every MiB: often enough for a progress bar, rarely enough to cost nothing.
    constexpr std::uint64_t Step = std::uint64_t{1} << 20;
    if (stopped_ || !progress_ || filesRead_ + offset < nextReport_)
        return !stopped_;
    nextReport_ = filesRead_ + offset + Step;
    stopped_ = !progress_(filesRead_ + offset);
    return !stopped_;
}

void ImportAccumulator::FileRead(std::size_t bytes)
{
    filesRead_ += bytes;
    Reached(0);
}

namespace {

constexpr std::pair<ReceiverFormat, const char*> FormatNames[] = {
    {ReceiverFormat::Xml, "xml"},       {ReceiverFormat::Sources, "sources"},
    {ReceiverFormat::Ini, "ini"},       {ReceiverFormat::ScanTables, "scan-tables"},
    {ReceiverFormat::Neumo, "neumo"},   {ReceiverFormat::Channels, "channels"},
    {ReceiverFormat::Lamedb, "lamedb"},
};

}  // namespace

const char* ReceiverFormatName(ReceiverFormat format)
{
    for (const auto& [f, name] : FormatNames) {
        if (f == format)
            return name;
    }
    return "unknown";
}

std::optional<ReceiverFormat> ParseReceiverFormatName(std::string_view name)
{
    for (const auto& [f, n] : FormatNames) {
        if (name == n)
            return f;
    }
    return std::nullopt;
}

ReceiverFormat DetectFormat(std::string_view fileName, std::string_view content)
{
    const std::string_view base = BaseName(fileName);
    // Twice the bytes looked at: UTF-16 shrinks to about half.
    std::string decoded;
    std::string_view start = Trim(TextOfBytes(content.substr(0, 8192), decoded).substr(0, 4096));
    if (start.starts_with('<'))
        return ReceiverFormat::Xml;
    if (start.starts_with("eDVB services"))
        return ReceiverFormat::Lamedb;
    if (start.starts_with("sat_pos"))
        return ReceiverFormat::Neumo;
    for (std::size_t at = start.find('['); at != std::string_view::npos; at = start.find('[', at + 1)) {
        if (StartsWithNoCase(start.substr(at), "[SATTYPE]"))
            return ReceiverFormat::Ini;
    }
    if (ParseScanTableName(base) && start.find("[CHANNEL]") != std::string_view::npos)
        return ReceiverFormat::ScanTables;

    // Lines of the two colon-and-letter formats, comments aside.
    // The first 50 of them tell.
    int sources = 0, channels = 0, lines = 0;
    ForEachTextLine(start, [&](std::string_view line) {
        line = Trim(line);
        if (line.empty() || line.front() == '#' || line.front() == ':')
            return true;
        ++lines;
        sources += LooksLikeSourcesLine(line);
        channels += LooksLikeChannelsLine(line);
        return lines < 50;
    });
    if (sources > 0 && sources * 2 >= lines)
        return ReceiverFormat::Sources;
    if (channels > 0 && channels * 2 >= lines)
        return ReceiverFormat::Channels;

    const auto endsWith = [&](std::string_view suffix) {
        return base.size() >= suffix.size() && EqualNoCase(base.substr(base.size() - suffix.size()), suffix);
    };
    if (endsWith(".xml"))
        return ReceiverFormat::Xml;
    if (endsWith(".ini"))
        return ReceiverFormat::Ini;
    if (EqualNoCase(base, "sources.conf"))
        return ReceiverFormat::Sources;
    if (EqualNoCase(base, "channels.conf"))
        return ReceiverFormat::Channels;
    if (StartsWithNoCase(base, "lamedb"))
        return ReceiverFormat::Lamedb;
    if (EqualNoCase(base, "sats.txt"))
        return ReceiverFormat::Neumo;
    if (ParseScanTableName(base))
        return ReceiverFormat::ScanTables;
    return ReceiverFormat::Unknown;
}

void ImportInto(ReceiverFormat format, std::string_view fileName, std::string_view bytes,
                ImportAccumulator& into)
{
    std::string decoded;
    const std::string_view content = TextOfBytes(bytes, decoded);
    switch (format) {
    case ReceiverFormat::Xml:
        ImportXml(content, into);
        break;
    case ReceiverFormat::Sources:
        ImportSources(content, into);
        break;
    case ReceiverFormat::Ini:
        ImportIni(fileName, content, into);
        break;
    case ReceiverFormat::ScanTables:
        ImportScanTable(fileName, into);
        break;
    case ReceiverFormat::Neumo:
        ImportNeumo(content, into);
        break;
    case ReceiverFormat::Channels:
        ImportChannels(content, into);
        break;
    case ReceiverFormat::Lamedb:
        ImportLamedb(content, into);
        break;
    case ReceiverFormat::Unknown:
        break;
    }
    into.FileRead(bytes.size());
}

ImportResult ImportReceiverFile(ReceiverFormat format, std::string_view fileName, std::string_view content)
{
    ImportAccumulator into;
    ImportInto(format, fileName, content, into);
    return into.Result();
}

std::optional<ImportedSatellite> ParseScanTableName(std::string_view fileName)
{
    const std::string_view base = BaseName(fileName);
    const std::size_t dash = base.rfind('-');
    int position = 0;
    if (dash == std::string_view::npos || !ParsePositionCode(base.substr(dash + 1), position))
        return std::nullopt;
    std::string_view name = base.substr(0, dash);
    // "Galaxy17_C": the band the table is for.
    for (std::string_view band : {"_C", "_Ku", "_Ka"}) {
        if (name.size() > band.size() && EqualNoCase(name.substr(name.size() - band.size()), band)) {
            name.remove_suffix(band.size());
            break;
        }
    }
    std::string words(name);
    std::replace(words.begin(), words.end(), '_', ' ');
    std::replace(words.begin(), words.end(), '-', ' ');
    return ImportedSatellite{position, CleanName(SatelliteNameToUtf8(words))};
}

std::string WriteSatelliteList(const std::vector<ImportedSatellite>& satellites)
{
    std::vector<const ImportedSatellite*> sorted;
    sorted.reserve(satellites.size());
    for (const ImportedSatellite& s : satellites) {
        if (s.position >= 0 && s.position < PositionCount)
            sorted.push_back(&s);
    }
    // One line per position: the first entry of a position stands.
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto* a, const auto* b) { return a->position < b->position; });
    std::string text;
    char number[8];
    int previous = -1;
    for (const ImportedSatellite* s : sorted) {
        if (s->position == previous)
            continue;
        previous = s->position;
        std::snprintf(number, sizeof number, "%04d=", s->position);
        text += number;
        std::string name = s->name.empty()
                               ? PositionCode(s->position)
                               : std::string(CutAtCharacter(s->name, ImportAccumulator::MaxNameBytes));
        std::replace_if(
            name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
        text += name;
        text += '\n';
    }
    return text;
}

std::string_view CutAtCharacter(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

}  // namespace zenbelts
