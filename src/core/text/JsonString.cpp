#include "text/JsonString.h"

#include "text/TextEncoding.h"

#include <cstdio>

namespace zenbelts {

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (DisplayControlLength(text, i) > 0) {
            // Controls and what reorders a line never reach a terminal raw.
            unsigned code = static_cast<unsigned char>(c) & (length == 1 ? 0x7F : 0xFF >> (length + 1));
            for (std::size_t k = 1; k < length; ++k)
                code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
            out += escaped;
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out + "\"";
}

}  // namespace zenbelts
