#include "json/json_document.h"
#include "platform/platform.h"
#include "plugin/document_slots.h"
#include "plugin/export_calls.h"
#include "plugin/host_stack.h"
#include "plugin/text_areas.h"

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Units the host keeps of a pushed string.
std::size_t Room(int stringSize) { return stringSize > 1 ? static_cast<std::size_t>(stringSize) - 1 : 0; }

}  // namespace

std::u16string FitToStringSize(std::u16string text, int stringSize) {
    const std::size_t room = Room(stringSize);
    if (text.size() <= room) return text;
    std::size_t cut = room;
    if (cut > 0 && IsHighSurrogate(text[cut - 1]) && IsLowSurrogate(text[cut])) --cut;
    text.resize(cut);
    return text;
}

std::u16string LookUpText(const char16_t* key, std::size_t units) {
    if (units == 0) return std::u16string();
    const std::string narrowKey = platform::WideToUtf8(key, units);
    std::string value;
    // A value found in the language document counts even when it is empty.
    bool found = LanguageDocument != nullptr && LanguageDocument->GetStringValue(narrowKey, value);
    if (!found) found = BaseDocument != nullptr && BaseDocument->GetStringValue(narrowKey, value);
    if (!found) return std::u16string();
    // The host keeps at most room units, and deciding a cut needs one more;
    // each unit comes from at most three bytes, so a longer value's tail is
    // never converted.
    const std::size_t neededBytes = 3 * (Room(hostContext.stringSize) + 1);
    if (value.size() > neededBytes) value.resize(neededBytes);
    return FitToStringSize(platform::Utf8ToWide(value), hostContext.stringSize);
}

void GetStrCall() {
    char16_t key[kKeyCapacity] = {};
    PopString(key, kKeyCapacity);
    std::u16string text;
    try {
        text = LookUpText(key, std::char_traits<char16_t>::length(key));
    } catch (...) {
        text.clear();  // still exactly one string back to the script
    }
    PushString(text.c_str());
}
