// The parser's routines, one per kind of value. Each takes the node to fill
// and the position to start at, and returns the position just after what it
// consumed, or null on failure. A routine records a stop only for a failure it
// detected itself, so the innermost detection is reported; a null return
// without one means memory ran out.
#pragma once

#include "json/json_arena.h"
#include "json/json_node.h"
#include "json/json_parser.h"

struct ParseState {
    JsonArena* arena;
    const char* text;
    // The text's terminating NUL (or a NUL the text reaches before it):
    // strings are scanned a word at a time, and no read may pass it.
    const char* textEnd;
    JsonParseStop* stop;
    const JsonMemberObserver* observer;
    // The opening quote of a string that ran to the end of the text: a
    // failure found there is that string's.
    const char* openString;
};

// Records a syntax stop at position and returns null.
const char* StopAt(ParseState* state, JsonStop code, const char* position);
JsonNode* NewJsonNode(ParseState* state);
const char* SkipWhitespace(const char* position);

// depth counts the containers that enclose the value.
const char* ParseValue(JsonNode* node, const char* position, ParseState* state, int depth);
// position is at the opening quote.
const char* ParseString(JsonNode* node, const char* position, ParseState* state);
const char* ParseNumber(JsonNode* node, const char* position);
