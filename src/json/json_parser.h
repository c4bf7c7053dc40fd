// Turns a language file's text into a JsonNode tree, and says where and why
// it stopped.
#pragma once

#include <cstddef>
#include <cstdint>

#include "json/json_arena.h"
#include "json/json_node.h"

// Containers nested deeper than this are rejected at their opening bracket,
// which keeps the parser's recursion, and so its stack use, bounded.
constexpr int kMaxJsonDepth = 512;

// Why the parser stopped. Each syntax stop names what the parser expected at
// the stop's offset.
enum class JsonStop : std::int32_t {
    Parsed,                  // offset: just after the root value
    OutOfMemory,             // offset 0
    NoText,                  // offset 0
    ExpectedValue,
    ExpectedKey,             // a member's name in double quotes
    ExpectedColon,
    ExpectedCommaOrBrace,    // after a member
    ExpectedCommaOrBracket,  // after an element
    UnterminatedString,      // offset: the string's opening quote
    TooDeep,                 // offset: the opening bracket one level too deep
};

struct JsonParseStop {
    JsonStop code = JsonStop::NoText;
    std::size_t offset = 0;  // bytes from the start of the text
};

// Told of each member of the root object as soon as it is parsed, with the
// offsets of its name's opening quote and of its value. A parse that fails
// later still fails; the members told so far stay in the arena.
struct JsonMemberObserver {
    void (*member)(void* context, const JsonNode& member, std::size_t nameOffset, std::size_t valueOffset);
    void* context;
};

// Parses text[0, length), up to its first NUL; text[length] must be a
// readable NUL. The tree lives in arena. Returns the root, or null with
// stop saying why; whatever follows the root value is left unread.
JsonNode* ParseJsonText(const char* text, std::size_t length, JsonArena& arena, JsonParseStop& stop,
                        const JsonMemberObserver* observer = nullptr);
// The same for a NUL-terminated text.
JsonNode* ParseJsonText(const char* text, JsonArena& arena, JsonParseStop& stop);
