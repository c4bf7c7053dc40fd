#include "json/json_parser.h"

#include <cstring>

#include "base/heap.h"
#include "json/json_parse_routines.h"

namespace {

bool StartsWith(const char* position, const char* keyword, std::size_t length) {
    return std::strncmp(position, keyword, length) == 0;
}

// Links a fresh node after previous (or as the container's first child when
// previous is null), so that it is reachable before its value is parsed.
JsonNode* AppendChild(JsonNode* container, JsonNode* previous) {
    JsonNode* child = NewJsonNode();
    if (child == nullptr) return nullptr;
    if (previous == nullptr) {
        container->firstChild = child;
    } else {
        previous->nextSibling = child;
        child->previousSibling = previous;
    }
    return child;
}

const char* ParseMember(JsonNode* member, const char* position, const char** errorPosition, int depth,
                        const char* textEnd) {
    position = ParseString(member, SkipWhitespace(position), errorPosition, textEnd);
    if (position == nullptr) return nullptr;
    member->memberName = member->stringValue;
    member->stringValue = nullptr;
    position = SkipWhitespace(position);
    if (*position != ':') {
        *errorPosition = position;
        return nullptr;
    }
    position = ParseValue(member, SkipWhitespace(position + 1), errorPosition, depth, textEnd);
    return position == nullptr ? nullptr : SkipWhitespace(position);
}

}  // namespace

JsonNode* NewJsonNode() {
    void* block = HeapAllocate(sizeof(JsonNode));
    if (block != nullptr) std::memset(block, 0, sizeof(JsonNode));
    return static_cast<JsonNode*>(block);
}

const char* SkipWhitespace(const char* position) {
    if (position == nullptr) return nullptr;
    while (static_cast<unsigned char>(*position) >= 0x01 && static_cast<unsigned char>(*position) <= 0x20) {
        ++position;
    }
    return position;
}

JsonNode* ParseJsonText(const char* text, const char** errorPosition) {
    return ParseJsonText(text, text != nullptr ? std::strlen(text) : 0, errorPosition);
}

JsonNode* ParseJsonText(const char* text, std::size_t length, const char** errorPosition) {
    *errorPosition = nullptr;
    JsonNode* root = NewJsonNode();
    if (root == nullptr) return nullptr;
    // Whatever follows the root value is ignored.
    const char* textEnd = text != nullptr ? text + length : nullptr;
    if (ParseValue(root, SkipWhitespace(text), errorPosition, 0, textEnd) == nullptr) {
        FreeJsonTree(root);
        return nullptr;
    }
    return root;
}

const char* ParseValue(JsonNode* node, const char* position, const char** errorPosition, int depth,
                       const char* textEnd) {
    if (position == nullptr) return nullptr;
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
            return ParseString(node, position, errorPosition, textEnd);
        case '[':
            return ParseArray(node, position, errorPosition, depth, textEnd);
        case '{':
            return ParseObject(node, position, errorPosition, depth, textEnd);
        default:
            if (*position == '-' || (*position >= '0' && *position <= '9')) return ParseNumber(node, position);
            break;
    }
    *errorPosition = position;
    return nullptr;
}

const char* ParseArray(JsonNode* node, const char* position, const char** errorPosition, int depth,
                       const char* textEnd) {
    if (*position != '[' || depth >= kMaxJsonDepth) {
        *errorPosition = position;
        return nullptr;
    }
    node->kind = JsonKind::Array;
    position = SkipWhitespace(position + 1);
    if (*position == ']') return position + 1;

    JsonNode* element = nullptr;
    do {
        if (element != nullptr) position = SkipWhitespace(position + 1);  // past the ','
        element = AppendChild(node, element);
        if (element == nullptr) return nullptr;
        position = ParseValue(element, position, errorPosition, depth + 1, textEnd);
        if (position == nullptr) return nullptr;
        position = SkipWhitespace(position);
    } while (*position == ',');

    if (*position != ']') {
        *errorPosition = position;
        return nullptr;
    }
    return position + 1;
}

const char* ParseObject(JsonNode* node, const char* position, const char** errorPosition, int depth,
                        const char* textEnd) {
    if (*position != '{' || depth >= kMaxJsonDepth) {
        *errorPosition = position;
        return nullptr;
    }
    node->kind = JsonKind::Object;
    position = SkipWhitespace(position + 1);
    if (*position == '}') return position + 1;

    JsonNode* member = nullptr;
    do {
        if (member != nullptr) position = SkipWhitespace(position + 1);  // past the ','
        member = AppendChild(node, member);
        if (member == nullptr) return nullptr;
        position = ParseMember(member, position, errorPosition, depth + 1, textEnd);
        if (position == nullptr) return nullptr;
    } while (*position == ',');

    if (*position != '}') {
        *errorPosition = position;
        return nullptr;
    }
    return position + 1;
}
