#include "base/heap.h"
#include "json/json_parser.h"

namespace {

void ReleaseChain(JsonNode* node, int depth) {
    while (node != nullptr) {
        const bool ownsContents = (node->kind & ReferenceFlag) == 0;
        if (ownsContents && node->firstChild != nullptr) {
            if (depth < kMaxJsonDepth) {
                ReleaseChain(node->firstChild, depth + 1);
            } else {
                // Deeper than any parsed tree: the children are spliced into
                // the sibling chain ahead of the node's own siblings, so the
                // stack grows no further however deep the tree goes.
                JsonNode* last = node->firstChild;
                while (last->nextSibling != nullptr) last = last->nextSibling;
                last->nextSibling = node->nextSibling;
                node->nextSibling = node->firstChild;
            }
        }
        JsonNode* next = node->nextSibling;
        if (ownsContents) HeapRelease(node->stringValue);
        HeapRelease(node->memberName);
        HeapRelease(node);
        node = next;
    }
}

}  // namespace

// Siblings in a loop, children by recursion: the parser's nesting limit bounds
// the depth, and each node is visited once.
void FreeJsonTree(JsonNode* node) { ReleaseChain(node, 0); }

int CaseInsensitiveCompare(const char* a, const char* b) {
    if (a == nullptr) return b == nullptr ? 0 : 1;
    if (b == nullptr) return 1;
    for (;; ++a, ++b) {
        unsigned char left = static_cast<unsigned char>(*a);
        unsigned char right = static_cast<unsigned char>(*b);
        if (left >= 'A' && left <= 'Z') left = static_cast<unsigned char>(left + ('a' - 'A'));
        if (right >= 'A' && right <= 'Z') right = static_cast<unsigned char>(right + ('a' - 'A'));
        if (left != right) return left - right;
        if (left == '\0') return 0;
    }
}
