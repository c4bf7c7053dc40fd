// Turns a language file's text into a JsonNode tree and releases such trees.
#pragma once

#include <cstddef>

#include "json/json_node.h"

// Containers nested deeper than this are rejected at their opening bracket,
// which keeps the parser's recursion, and so its stack use, bounded.
constexpr int kMaxJsonDepth = 512;

// Parses a NUL-terminated text. Returns the root, owned by the caller, or null;
// on a syntax failure errorPosition points at the byte where it was detected,
// otherwise (success, or no memory) it is null.
JsonNode* ParseJsonText(const char* text, const char** errorPosition);
// The same for a text whose length is known, which spares finding its end:
// text[length] must be a readable NUL. The text still ends at its first NUL.
JsonNode* ParseJsonText(const char* text, std::size_t length, const char** errorPosition);

// Releases the node, every sibling after it and all their subtrees.
void FreeJsonTree(JsonNode* node);

// 0 when both strings are equal ignoring ASCII letter case.
int CaseInsensitiveCompare(const char* a, const char* b);
