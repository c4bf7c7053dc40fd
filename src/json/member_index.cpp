#include "json/member_index.h"

#include <new>

#include "json/json_parser.h"

namespace {

// FNV-1a over the name with ASCII letters folded to lower case, so that names
// that compare equal ignoring case land on the same chain.
std::uint32_t FoldedHash(const char* name) {
    std::uint32_t hash = 2166136261u;
    for (; *name != '\0'; ++name) {
        unsigned char byte = static_cast<unsigned char>(*name);
        if (byte >= 'A' && byte <= 'Z') byte = static_cast<unsigned char>(byte + ('a' - 'A'));
        hash = (hash ^ byte) * 16777619u;
    }
    return hash;
}

// At most half the slots are used, which keeps probe chains short.
std::size_t SlotCountFor(std::size_t members) {
    std::size_t count = 8;
    while (count < members * 2) count *= 2;
    return count;
}

}  // namespace

bool MemberIndex::Build(const JsonNode* object) noexcept {
    Clear();
    std::size_t members = 0;
    for (const JsonNode* member = object->firstChild; member != nullptr; member = member->nextSibling) ++members;
    if (members == 0) return true;
    try {
        slots_.assign(SlotCountFor(members), Slot{0, nullptr});
    } catch (const std::bad_alloc&) {
        Clear();
        return false;
    }
    const std::size_t mask = slots_.size() - 1;
    for (const JsonNode* member = object->firstChild; member != nullptr; member = member->nextSibling) {
        if (member->memberName == nullptr) continue;
        const std::uint32_t hash = FoldedHash(member->memberName);
        for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
            Slot& entry = slots_[slot];
            if (entry.member == nullptr) {
                entry = Slot{hash, member};
                break;
            }
            // A later member with the same name stays hidden behind the first.
            if (entry.hash == hash && CaseInsensitiveCompare(entry.member->memberName, member->memberName) == 0) break;
        }
    }
    return true;
}

void MemberIndex::Clear() noexcept {
    slots_.clear();
    slots_.shrink_to_fit();
}

const JsonNode* MemberIndex::Find(const char* key) const {
    if (slots_.empty()) return nullptr;
    const std::uint32_t hash = FoldedHash(key);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Slot& entry = slots_[slot];
        if (entry.member == nullptr) return nullptr;
        if (entry.hash == hash && CaseInsensitiveCompare(entry.member->memberName, key) == 0) return entry.member;
    }
}
