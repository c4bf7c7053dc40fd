// Small pieces of the tools' reports for people.
#pragma once

#include <string>

#include "utf8_text.h"

// "1 key", "2 keys".
inline std::string Counted(std::size_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// Pads by characters, not bytes, so that names beyond ASCII line up.
inline std::string Padded(std::string text, std::size_t width) {
    const std::size_t characters = CharacterCount(text);
    if (characters < width) text.append(width - characters, ' ');
    return text;
}
