#include "plugin/document_handle.h"

#include <cstdint>

namespace {

// The sign and the 19 digits of the widest pointer-sized number.
constexpr std::size_t kMaxHandleCharacters = 20;

}  // namespace

void FormatHandle(const void* address, char16_t* area, std::size_t capacity) {
    if (capacity == 0) return;
    const std::intptr_t value = reinterpret_cast<std::intptr_t>(address);
    // The magnitude is taken unsigned, so the most negative value has one too.
    std::uintptr_t magnitude = static_cast<std::uintptr_t>(value);
    if (value < 0) magnitude = 0 - magnitude;
    char16_t reversed[kMaxHandleCharacters];
    std::size_t count = 0;
    do {
        reversed[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) reversed[count++] = u'-';
    std::size_t written = 0;
    while (count > 0 && written + 1 < capacity) area[written++] = reversed[--count];
    area[written] = u'\0';
}
