// The parser on arbitrary bytes: whatever it accepts must be a well-formed
// tree, and whatever it builds must be released whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "json/json_parser.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// Checks every node below and beside node; returns the number of nodes.
std::size_t CheckTree(const JsonNode* node, bool isMember, int depth) {
    Require(depth <= kMaxJsonDepth);
    std::size_t count = 0;
    const JsonNode* previous = nullptr;
    for (; node != nullptr; previous = node, node = node->nextSibling) {
        ++count;
        Require(node->previousSibling == previous);
        Require(node->kind >= JsonKind::False && node->kind <= JsonKind::Object);
        Require((node->memberName != nullptr) == isMember);
        Require((node->stringValue != nullptr) == (node->kind == JsonKind::String));
        if (node->stringValue != nullptr) (void)std::char_traits<char>::length(node->stringValue);
        if (node->memberName != nullptr) (void)std::char_traits<char>::length(node->memberName);
        const bool container = node->kind == JsonKind::Array || node->kind == JsonKind::Object;
        Require(container || node->firstChild == nullptr);
        const bool number = node->kind == JsonKind::Integer || node->kind == JsonKind::Double;
        Require(number ? (node->numberSign == 1 || node->numberSign == -1) : node->numberSign == 0);
        if (node->kind == JsonKind::True) Require(node->integerValue == 1);
        if (container) count += CheckTree(node->firstChild, node->kind == JsonKind::Object, depth + 1);
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    JsonArena arena;
    JsonParseStop stop;
    // Every root member is told in text order, with its name's opening quote.
    struct Told {
        const std::string* text;
        std::size_t lastName;
    } context = {&text, 0};
    const JsonMemberObserver told = {[](void* told, const JsonNode& member, std::size_t name, std::size_t value) {
                                         Told& seen = *static_cast<Told*>(told);
                                         Require(member.memberName != nullptr && (*seen.text)[name] == '"');
                                         Require(name > seen.lastName && value > name && value < seen.text->size());
                                         seen.lastName = name;
                                     },
                                     &context};
    JsonNode* root = ParseJsonText(text.c_str(), text.size(), arena, stop, &told);
    if (root == nullptr) {
        // A rejected text always says why and where, inside the text (its NUL included).
        Require(stop.code >= JsonStop::ExpectedValue && stop.offset <= text.size());
        if (stop.code == JsonStop::UnterminatedString) Require(text[stop.offset] == '"');
        return 0;
    }
    Require(stop.code == JsonStop::Parsed && stop.offset > 0 && stop.offset <= text.size());
    Require(root->nextSibling == nullptr && root->previousSibling == nullptr);
    CheckTree(root, false, 0);
    return 0;
}
