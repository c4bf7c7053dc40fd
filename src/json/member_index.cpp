#include "json/member_index.h"

#include <cstring>

namespace {

// Sets bit 5 in every byte of word that holds an ASCII capital letter, which
// makes it lower case and leaves every other byte as it was.
std::uint64_t FoldAsciiCase(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    const std::uint64_t low = word & ~kHighBits;  // seven bits per byte: the sums below never carry over
    const std::uint64_t atLeastA = low + kOnes * (0x80 - 'A');
    const std::uint64_t aboveZ = low + kOnes * (0x80 - 'Z' - 1);
    const std::uint64_t capitals = atLeastA & ~aboveZ & ~word & kHighBits;
    return word | (capitals >> 2);
}

// Hashes the name with ASCII letters folded to lower case, eight bytes at a
// time, so that names equal ignoring case land on the same chain.
std::uint32_t FoldedHash(const char* name) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15u;
    std::size_t length = std::strlen(name);
    std::uint64_t hash = length * kMultiplier;
    for (;; name += 8, length -= 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, name, length < 8 ? length : 8);
        hash = (hash ^ FoldAsciiCase(word)) * kMultiplier;
        hash ^= hash >> 29;
        if (length <= 8) break;
    }
    hash *= kMultiplier;
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

// At most half the slots are used, which keeps probe chains short.
std::size_t SlotCountFor(std::size_t members) {
    std::size_t count = 8;
    while (count < members * 2) count *= 2;
    return count;
}

}  // namespace

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

bool MemberIndex::Build(const JsonNode* object) {
    Clear();
    std::size_t members = 0;
    for (const JsonNode* member = object->firstChild; member != nullptr; member = member->nextSibling) ++members;
    if (members == 0) return true;
    if (!slots_.Resize(SlotCountFor(members))) return false;  // zero-filled: every slot free
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

void MemberIndex::Clear() { slots_.Release(); }

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
