// One parse and the arena its tree lives in, for tests that look at the tree.
#pragma once

#include <cstddef>

#include "json/json_parser.h"

struct ParsedJson {
    explicit ParsedJson(const char* text) : root(ParseJsonText(text, arena, stop)) {}
    ParsedJson(const char* text, std::size_t length) : root(ParseJsonText(text, length, arena, stop)) {}
    ParsedJson(const ParsedJson&) = delete;
    ParsedJson& operator=(const ParsedJson&) = delete;

    // The offset of a syntax stop, -1 for a parse that succeeded or ran out of memory.
    long ErrorOffset() const { return stop.code >= JsonStop::ExpectedValue ? static_cast<long>(stop.offset) : -1; }

    JsonArena arena;
    JsonParseStop stop;
    JsonNode* root;
};
