// Small pieces of the tools' reports for people.
#pragma once

#include <string>

// "1 key", "2 keys".
inline std::string Counted(std::size_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// Pads by characters, not bytes, so that names beyond ASCII line up.
inline std::string Padded(std::string text, std::size_t width) {
    std::size_t characters = 0;
    for (unsigned char byte : text) characters += (byte & 0xC0) != 0x80 ? 1 : 0;
    if (characters < width) text.append(width - characters, ' ');
    return text;
}
