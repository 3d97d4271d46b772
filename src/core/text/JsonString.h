#pragma once

#include <string>
#include <string_view>

namespace zenbelts {

// A string as a JSON literal; bytes that are not valid UTF-8 become U+FFFD,
// controls and what reorders a line are escaped.
std::string JsonString(std::string_view text);

}  // namespace zenbelts
