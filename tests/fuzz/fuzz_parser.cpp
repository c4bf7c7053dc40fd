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
    const char* error = nullptr;
    JsonNode* root = ParseJsonText(text.c_str(), &error);
    if (root == nullptr) {
        // A rejected text always says where, inside the text (its NUL included).
        Require(error != nullptr && error >= text.c_str() && error <= text.c_str() + text.size());
        return 0;
    }
    Require(error == nullptr);
    Require(root->nextSibling == nullptr && root->previousSibling == nullptr);
    CheckTree(root, false, 0);
    FreeJsonTree(root);
    return 0;
}
