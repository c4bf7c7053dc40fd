// Says in plain words why a language file is not JSON: what was expected,
// what was found, and where a person fixes it. The installer's parser only
// decides that a file fails; this explains it.
#pragma once

#include <cstddef>
#include <string>

struct SyntaxExplanation {
    std::size_t offset = 0;  // the byte to fix: a trailing comma, the place a missing comma goes
    std::string message;     // "expected ..., found ...; fix", without a final period
};

// False when the text is valid JSON after all (then the installer's parser
// stopped for a reason of its own).
bool ExplainSyntaxError(const std::string& text, SyntaxExplanation& explanation);
