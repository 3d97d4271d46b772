#pragma once

#include <string>

// Numbers and columns of the tool's listings.

namespace zenbelts::cli {

// How many characters UTF-8 text holds.
inline std::size_t Characters(const std::string& text)
{
    std::size_t characters = 0;
    for (char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters;
}

// Pads UTF-8 text to a width in characters, with at least one blank after it.
inline std::string Padded(const std::string& text, std::size_t width)
{
    const std::size_t characters = Characters(text);
    return text + std::string(characters < width ? width - characters : 1, ' ');
}

}  // namespace zenbelts::cli
