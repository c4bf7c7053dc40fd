// ASCII-only letter case, the only case the installer ever folds.
#pragma once

#include <string>

inline std::string AsciiLower(std::string text) {
    for (char& byte : text) {
        if (byte >= 'A' && byte <= 'Z') byte = static_cast<char>(byte - 'A' + 'a');
    }
    return text;
}

inline std::string AsciiUpper(std::string text) {
    for (char& byte : text) {
        if (byte >= 'a' && byte <= 'z') byte = static_cast<char>(byte - 'a' + 'A');
    }
    return text;
}

// A number as language files write NSIS ids: ASCII digits only, at least one.
inline bool IsAsciiDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}
