// parlune-import's reading on arbitrary bytes, as a script and as makensis's
// output: no crash, and every file it would write reads back in the checker
// with exactly the keys it holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "language_file_check.h"
#include "language_files_import.h"
#include "script_encoding.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void ImportAs(const std::string& utf8, ScriptForm form) {
    const LanguageImport result = ImportLangStrings({{"fuzz.nsi", utf8, form, {"MUI_TEXT"}}});
    for (const ImportedFile& file : result.files) {
        const LanguageFileCheck check = CheckLanguageFile(LanguageFileText(file), kNsisStringSize);
        Require(check.readable);
        Require(CountTexts(check) == file.texts.size() + 1);
        Require(file.keys == CountTexts(check));
    }
    (void)OverridesIncludeText(result.overrides);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (int codePage : {kNoCodePage, 1252}) {
        std::string utf8, complaint;
        if (!DecodeScript(bytes, codePage, utf8, complaint)) {
            Require(!complaint.empty());
            continue;
        }
        ImportAs(utf8, ScriptForm::Source);
        ImportAs(utf8, ScriptForm::Preprocessed);
    }
    return 0;
}
