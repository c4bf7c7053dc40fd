// Says in plain words why a language file is not JSON: what was expected,
// what was found, and where a person fixes it. The installer's parser says
// where and why it stopped; this words it for a translator.
#pragma once

#include <cstddef>
#include <string>

#include "json/json_parser.h"

// What the installer's parser skips between tokens: every byte from 0x01 to 0x20.
extern const std::string kJsonWhiteSpace;

struct SyntaxExplanation {
    std::size_t offset = 0;  // the byte to fix: a trailing comma, the place a missing comma goes
    std::string message;     // "expected ..., found ...; fix", without a final period
};

// stop is a syntax stop of the parser on text.
SyntaxExplanation ExplainParseStop(const std::string& text, const JsonParseStop& stop);
