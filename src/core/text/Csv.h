#pragma once

#include <string>
#include <string_view>

namespace zenbelts {

// A field of a CSV row (RFC 4180): quoted where a comma, quote or line end
// would break the row.
inline std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

}  // namespace zenbelts
