// Characters and white space of a language file's UTF-8 text, as the tools
// count and trim them.
#pragma once

#include <cstddef>
#include <string>

// False for a continuation byte, which belongs to the character before it.
inline bool StartsCharacter(unsigned char byte) { return (byte & 0xC0) != 0x80; }

inline std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char byte : text) count += StartsCharacter(byte) ? 1 : 0;
    return count;
}

// JSON's white space, which a translation keeps at either end as en.json has it.
inline bool IsTextWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// "&" marks a menu accelerator; "&&" is an ampersand.
inline std::size_t Accelerators(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (i + 1 < text.size() && text[i + 1] == '&') {
            ++i;
        } else {
            ++count;
        }
    }
    return count;
}

