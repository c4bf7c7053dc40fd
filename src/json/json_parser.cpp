#include "json/json_parser.h"

#include <cstring>

#include "json/json_parse_routines.h"

namespace {

bool StartsWith(const char* position, const char* keyword, std::size_t length) {
    return std::strncmp(position, keyword, length) == 0;
}

// Links a fresh node after previous (or as the container's first child when
// previous is null), so that it is reachable before its value is parsed.
JsonNode* AppendChild(JsonNode* container, JsonNode* previous, ParseState* state) {
    JsonNode* child = NewJsonNode(state);
    if (child == nullptr) return nullptr;
    if (previous == nullptr) {
        container->firstChild = child;
    } else {
        previous->nextSibling = child;
        child->previousSibling = previous;
    }
    return child;
}

const char* ParseMember(JsonNode* member, const char* position, ParseState* state, int depth) {
    const char* const name = SkipWhitespace(position);
    if (*name != '"') return StopAt(state, JsonStop::ExpectedKey, name);
    position = ParseString(member, name, state);
    if (position == nullptr) return nullptr;
    member->memberName = member->stringValue;
    member->stringValue = nullptr;
    position = SkipWhitespace(position);
    if (*position != ':') return StopAt(state, JsonStop::ExpectedColon, position);
    const char* const value = SkipWhitespace(position + 1);
    position = ParseValue(member, value, state, depth);
    if (position == nullptr) return nullptr;
    if (depth == 1 && state->observer != nullptr) {
        state->observer->member(state->observer->context, *member, static_cast<std::size_t>(name - state->text),
                                static_cast<std::size_t>(value - state->text));
    }
    return SkipWhitespace(position);
}

// One loop for both containers: elements are values, members are named values.
const char* ParseContainer(JsonNode* node, const char* position, ParseState* state, int depth, bool isObject) {
    if (depth >= kMaxJsonDepth) return StopAt(state, JsonStop::TooDeep, position);
    const char closing = isObject ? '}' : ']';
    node->kind = isObject ? JsonKind::Object : JsonKind::Array;
    position = SkipWhitespace(position + 1);
    if (*position == closing) return position + 1;

    JsonNode* child = nullptr;
    do {
        if (child != nullptr) position = SkipWhitespace(position + 1);  // past the ','
        child = AppendChild(node, child, state);
        if (child == nullptr) return nullptr;
        if (isObject) {
            position = ParseMember(child, position, state, depth + 1);
        } else {
            position = ParseValue(child, position, state, depth + 1);
            if (position != nullptr) position = SkipWhitespace(position);
        }
        if (position == nullptr) return nullptr;
    } while (*position == ',');

    if (*position != closing) {
        return StopAt(state, isObject ? JsonStop::ExpectedCommaOrBrace : JsonStop::ExpectedCommaOrBracket, position);
    }
    return position + 1;
}

}  // namespace

const char* StopAt(ParseState* state, JsonStop code, const char* position) {
    if (*position == '\0' && state->openString != nullptr) {
        code = JsonStop::UnterminatedString;
        position = state->openString;
    }
    state->stop->code = code;
    state->stop->offset = static_cast<std::size_t>(position - state->text);
    return nullptr;
}

JsonNode* NewJsonNode(ParseState* state) {
    void* block = state->arena->Allocate(sizeof(JsonNode));
    if (block != nullptr) std::memset(block, 0, sizeof(JsonNode));
    return static_cast<JsonNode*>(block);
}

const char* SkipWhitespace(const char* position) {
    while (static_cast<unsigned char>(*position) >= 0x01 && static_cast<unsigned char>(*position) <= 0x20) {
        ++position;
    }
    return position;
}

JsonNode* ParseJsonText(const char* text, JsonArena& arena, JsonParseStop& stop) {
    return ParseJsonText(text, text != nullptr ? std::strlen(text) : 0, arena, stop);
}

JsonNode* ParseJsonText(const char* text, std::size_t length, JsonArena& arena, JsonParseStop& stop,
                        const JsonMemberObserver* observer) {
    stop = JsonParseStop{};
    if (text == nullptr) return nullptr;
    arena.ExpectText(length);
    ParseState state = {&arena, text, text + length, &stop, observer, nullptr};
    // Until a syntax stop or the end says otherwise, a failure is lack of memory.
    stop.code = JsonStop::OutOfMemory;
    JsonNode* root = NewJsonNode(&state);
    if (root == nullptr) return nullptr;
    const char* end = ParseValue(root, SkipWhitespace(text), &state, 0);
    if (end == nullptr) return nullptr;
    stop.code = JsonStop::Parsed;
    stop.offset = static_cast<std::size_t>(end - text);
    return root;
}

const char* ParseValue(JsonNode* node, const char* position, ParseState* state, int depth) {
    // One look at the first byte picks the only test that can succeed; the
    // keywords (null, false, true) begin with letters no other value starts with.
    switch (*position) {
        case 'n':
            if (!StartsWith(position, "null", 4)) break;
            node->kind = JsonKind::Null;
            return position + 4;  // matched as a prefix: the byte after it is left to the caller
        case 'f':
            if (!StartsWith(position, "false", 5)) break;
            node->kind = JsonKind::False;
            return position + 5;
        case 't':
            if (!StartsWith(position, "true", 4)) break;
            node->kind = JsonKind::True;
            node->integerValue = 1;
            return position + 4;
        case '"':
            return ParseString(node, position, state);
        case '[':
            return ParseContainer(node, position, state, depth, false);
        case '{':
            return ParseContainer(node, position, state, depth, true);
        default:
            if (*position == '-' || (*position >= '0' && *position <= '9')) return ParseNumber(node, position);
            break;
    }
    return StopAt(state, JsonStop::ExpectedValue, position);
}
