// A hash index over the members of one object, so that a lookup by name costs
// the same however many members the object has. Names are compared ignoring
// ASCII case, and the first member with a name wins, as in a walk of the
// members in text order.
#pragma once

#include <cstddef>
#include <cstdint>
#include "base/heap_array.h"
#include "json/json_node.h"

// 0 when both strings are equal ignoring ASCII letter case.
int CaseInsensitiveCompare(const char* a, const char* b);

class MemberIndex {
public:
    // Indexes the members of object (an Object node). False when memory ran
    // out: the index is then empty and callers walk the members instead.
    bool Build(const JsonNode* object);
    void Clear();
    bool Built() const { return !slots_.empty(); }

    // The first member whose name matches key ignoring ASCII case, or null.
    const JsonNode* Find(const char* key) const;

private:
    struct Slot {
        std::uint32_t hash;
        const JsonNode* member;  // null: the slot is free
    };
    HeapArray<Slot> slots_;  // open addressing, a power of two in size
};
