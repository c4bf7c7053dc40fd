#include <cstddef>

#include "base/unicode.h"
#include "capacities.h"
#include "json/json_document.h"
#include "platform/platform.h"
#include "plugin/document_slots.h"
#include "plugin/export_calls.h"
#include "plugin/host_stack.h"

namespace {

// Units the host keeps of a pushed string.
std::size_t Room(int stringSize) { return stringSize > 1 ? static_cast<std::size_t>(stringSize) - 1 : 0; }

// Cuts text to the room the host has, never between the two halves of a
// surrogate pair.
void FitToRoom(WideString& text, std::size_t room) {
    if (text.size() <= room) return;
    std::size_t cut = room;
    if (cut > 0 && IsHighSurrogate(text[cut - 1]) && IsLowSurrogate(text[cut])) --cut;
    text.SetLength(cut);
}

// The length of value, but at most limit: a long value's tail is never read.
std::size_t BoundedLength(const char* value, std::size_t limit) {
    std::size_t length = 0;
    while (length < limit && value[length] != '\0') ++length;
    return length;
}

// The text for a key as it goes back to the host: from the language document,
// else the base document, else empty; cut to the host's string size. Empty,
// too, when memory runs out.
void LookUpText(const char16_t* key, std::size_t units, WideString& text) {
    if (units == 0) return;
    ByteString narrowKey;
    if (!platform::WideToUtf8(key, units, narrowKey)) return;
    // A value found in the language document counts even when it is empty.
    const char* value = LanguageDocument != nullptr ? LanguageDocument->FindStringValue(narrowKey.c_str()) : nullptr;
    if (value == nullptr && BaseDocument != nullptr) value = BaseDocument->FindStringValue(narrowKey.c_str());
    if (value == nullptr) return;
    // The host keeps at most room units, and deciding a cut needs one more;
    // each unit comes from at most three bytes.
    const std::size_t room = Room(hostContext.stringSize);
    if (!platform::Utf8ToWide(value, BoundedLength(value, 3 * (room + 1)), text)) return;
    FitToRoom(text, room);
}

}  // namespace

void GetStrCall() {
    char16_t key[kKeyCapacity] = {};
    PopString(key, kKeyCapacity);
    WideString text;
    LookUpText(key, WideLength(key), text);
    PushString(text.c_str());  // exactly one string back to the script, whatever happened
}
