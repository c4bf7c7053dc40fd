// One thing a checked language file does that its author should know of.
#pragma once

#include <string>

enum class Severity { Warning, Error };

struct Problem {
    Severity severity;
    std::string kind;  // a stable identifier, for example "byte-order-mark"
    std::size_t line;  // 1-based; where the problem applies
    std::size_t column;
    std::string message;  // one sentence: what the installer does, and the fix
};
