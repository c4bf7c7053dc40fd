#include "json/json_document.h"
#include "capacities.h"
#include "language/language_files.h"
#include "platform/platform.h"
#include "plugin/document_handle.h"
#include "plugin/document_slots.h"
#include "plugin/export_calls.h"
#include "plugin/host_stack.h"

namespace {

// A slot is replaced only when its file has text; otherwise the document of an
// earlier Init stays in place. When memory runs out the loading stops, and the
// slots keep what they hold by then.
void LoadDocuments(const char16_t* directory, const char16_t* languageTag) {
    ByteString prefix, text;
    if (!DirectoryPrefix(directory, WideLength(directory), prefix) || !ReadBaseText(prefix, text)) return;
    if (!text.empty() && !ReplaceDocument(BaseDocument, text)) return;
    if (!ReadLanguageText(prefix, languageTag, WideLength(languageTag), text)) return;
    if (!text.empty()) ReplaceDocument(LanguageDocument, text);
}

}  // namespace

void InitCall() {
    char16_t directory[kDirectoryCapacity] = {};
    PopString(directory, kDirectoryCapacity);
    // Without a directory nothing more is popped and nothing is pushed.
    if (directory[0] == u'\0') return;

    char16_t tag[kTagCapacity] = {};
    PopString(tag, kTagCapacity);
    char16_t preferred[kLanguageNameCapacity] = {};
    if (tag[0] == u'\0') platform::FirstPreferredUILanguage(preferred, kLanguageNameCapacity);
    LoadDocuments(directory, tag[0] != u'\0' ? tag : preferred);

    char16_t handle[kHandleCapacity] = {};
    FormatHandle(LanguageDocument, handle, kHandleCapacity);
    PushString(handle);
}
