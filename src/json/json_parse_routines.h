// The parser's routines, one per kind of value. Each takes the node to fill
// and the position to start at, and returns the position just after what it
// consumed, or null on failure. A routine sets the error position only for a
// failure it detected itself, so the innermost detection is reported.
#pragma once

#include "json/json_node.h"

JsonNode* NewJsonNode();
const char* SkipWhitespace(const char* position);

// depth counts the containers that enclose the value. textEnd is the text's
// terminating NUL (or a NUL the text reaches before it): strings are scanned
// a word at a time, and no read may pass it.
const char* ParseValue(JsonNode* node, const char* position, const char** errorPosition, int depth,
                       const char* textEnd);
const char* ParseArray(JsonNode* node, const char* position, const char** errorPosition, int depth,
                       const char* textEnd);
const char* ParseObject(JsonNode* node, const char* position, const char** errorPosition, int depth,
                        const char* textEnd);
const char* ParseString(JsonNode* node, const char* position, const char** errorPosition, const char* textEnd);
const char* ParseNumber(JsonNode* node, const char* position);
