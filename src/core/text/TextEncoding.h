#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace zenbelts {

// Length of the valid UTF-8 sequence that starts at text[i], or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// Appends one code point (up to U+10FFFF) in UTF-8.
void AppendUtf8(std::string& out, std::uint32_t code);

// A satellite name as UTF-8: kept as it is when it is valid UTF-8, otherwise
// read as Windows-1252, so lists written on either platform read right.
std::string SatelliteNameToUtf8(std::string_view bytes);

// The text of a file from outside, to be read as 8-bit or UTF-8 text: a UTF-8
// byte-order mark is left out, and text in UTF-16 that starts with its mark
// (either byte order) is decoded into held, as UTF-8. Anything else is the
// bytes as they are.
std::string_view TextOfBytes(std::string_view bytes, std::string& held);

// Calls f(line) for every line of text. A line ends at LF, at CR or at CR LF,
// so files of any platform read alike; the line end is not part of the line.
// When f returns bool, false stops the reading.
template <typename F>
void ForEachTextLine(std::string_view text, F f)
{
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        if constexpr (std::is_same_v<decltype(f(line)), bool>) {
            if (!f(line))
                return;
        } else {
            f(line);
        }
        if (end == std::string_view::npos)
            return;
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
}

// The length in bytes of the character at text[i] when it is one that a
// terminal obeys or that reorders the text around it: C0 controls and DEL,
// C1 controls (U+0080..U+009F, in UTF-8), and the bidirectional embeddings,
// overrides and isolates (U+202A..U+202E, U+2066..U+2069). 0 for any other
// character or byte. The marks U+200E and U+200F are no such character: they
// only lean neutral characters one way, and names in right-to-left scripts
// need them.
std::size_t DisplayControlLength(std::string_view text, std::size_t i);

}  // namespace zenbelts
