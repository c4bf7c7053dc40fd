#include "json/json_document.h"
#include "language/language_files.h"
#include "platform/platform.h"
#include "plugin/document_slots.h"
#include "plugin/export_calls.h"
#include "plugin/host_stack.h"
#include "plugin/text_areas.h"

namespace {

// A slot is replaced only when its file has text; otherwise the document of an
// earlier Init stays in place.
void LoadDocuments(const std::u16string& directory, const std::u16string& languageTag) {
    const std::string prefix = DirectoryPrefix(directory);
    const std::string baseText = ReadBaseText(prefix);
    if (!baseText.empty()) ReplaceDocument(BaseDocument, baseText);
    const std::string languageText = ReadLanguageText(prefix, languageTag);
    if (!languageText.empty()) ReplaceDocument(LanguageDocument, languageText);
}

}  // namespace

void InitCall() {
    char16_t directory[kDirectoryCapacity] = {};
    PopString(directory, kDirectoryCapacity);
    // Without a directory nothing more is popped and nothing is pushed.
    if (directory[0] == u'\0') return;

    char16_t tag[kTagCapacity] = {};
    PopString(tag, kTagCapacity);
    try {
        const std::u16string languageTag =
            tag[0] != u'\0' ? std::u16string(tag) : platform::FirstPreferredUILanguage(kLanguageNameCapacity);
        LoadDocuments(directory, languageTag);
    } catch (...) {
        // Out of memory: whatever the slots hold now is what the handle reports.
    }
    char16_t handle[kHandleCapacity] = {};
    platform::FormatHandle(LanguageDocument, handle, kHandleCapacity);
    PushString(handle);
}
