// parlune-check's file check on arbitrary bytes: no crash, every place it
// names lies inside the file, and it calls a file readable exactly when the
// installer gets texts from it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "language_file_check.h"
#include "std_interop.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const LanguageFileCheck check = CheckLanguageFile(bytes, kNsisStringSize);
    std::size_t lines = 1;
    for (char c : bytes) lines += c == '\n' ? 1 : 0;
    for (const Problem& problem : check.problems) {
        Require(problem.line >= 1 && problem.line <= lines && problem.column >= 1);
        Require(!problem.message.empty());
    }
    for (const KeyEntry& key : check.keys) Require(key.line >= 1 && key.line <= lines);
    Require(check.readable || check.keys.empty());
    // The plug-in's own document answers a key exactly when the check says so.
    const CJSonObject document = Document(bytes);
    for (const KeyEntry& key : check.keys) {
        std::string value;
        if (key.hasText && key.name.find('\0') == std::string::npos) Require(GetStringValue(document, key.name, value));
    }
    return 0;
}
