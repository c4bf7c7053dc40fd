// The node tree that the parser builds from a language file's text.
#pragma once

#include <cstdint>

// The codes stored in JsonNode::kind, named as JsonKind::String and so on.
namespace JsonKind {
enum : std::int32_t {
    False = 0,
    True = 1,
    Null = 2,
    Integer = 3,
    Double = 4,
    String = 5,
    Array = 6,
    Object = 7,
};
}  // namespace JsonKind

// Marks a node that does not own its child chain and its stringValue. The
// parser never sets it; a document releases its nodes with their arena, which
// never follows a node's pointers, so borrowed contents stay their owner's.
constexpr std::int32_t ReferenceFlag = 0x100;

// One value. Every field is zero when the node is allocated, so a field that
// does not apply to the node's kind keeps that zero.
struct JsonNode {
    JsonNode* nextSibling;
    JsonNode* previousSibling;
    JsonNode* firstChild;
    std::int32_t kind;
    char* stringValue;
    std::int64_t integerValue;
    double doubleValue;
    std::int32_t numberSign;
    char* memberName;
};
