#pragma once

// The ASCII classes the core's readers use, whatever the locale.

namespace zenbelts {

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

inline char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace zenbelts
