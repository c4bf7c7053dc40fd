// The core's strings and routines in the standard library's terms, for the
// programs around the module (tests, tools, benchmarks, fuzzers), which may
// use the standard library. The module itself never includes this; here
// running out of memory is std::bad_alloc, as everywhere in those programs.
#pragma once

#include <new>
#include <string>
#include <vector>

#include "base/heap_string.h"
#include "json/json_document.h"
#include "language/candidate_codes.h"
#include "language/language_code_table.h"
#include "language/language_files.h"
#include "language/read_file_text.h"
#include "platform/platform.h"

inline void RequireMemory(bool granted) {
    if (!granted) throw std::bad_alloc();
}

inline std::string StdString(const ByteString& text) { return std::string(text.c_str(), text.size()); }
inline std::u16string StdString(const WideString& text) { return std::u16string(text.c_str(), text.size()); }

inline ByteString HeapCopy(const std::string& text) {
    ByteString copy;
    RequireMemory(copy.Assign(text.data(), text.size()));
    return copy;
}

inline std::string ToUtf8(const std::u16string& text) {
    ByteString out;
    RequireMemory(platform::WideToUtf8(text.data(), text.size(), out));
    return StdString(out);
}

inline std::u16string FromUtf8(const std::string& text) {
    WideString out;
    RequireMemory(platform::Utf8ToWide(text.data(), text.size(), out));
    return StdString(out);
}

inline std::string ReadFileText(const std::string& utf8Path) {
    ByteString text;
    ReadFileText(utf8Path.c_str(), text);
    return StdString(text);
}

inline std::string MapLanguageCode(const std::string& tag) { return MapLanguageCode(tag.data(), tag.size()); }

inline std::vector<std::u16string> CandidateCodes(const std::u16string& tag) {
    const CandidateLengths codes = CandidateCodesOf(tag.data(), tag.size());
    std::vector<std::u16string> texts;
    for (std::size_t i = 0; i < codes.count; ++i) texts.push_back(tag.substr(0, codes.lengths[i]));
    return texts;
}

inline std::string DirectoryPrefix(const std::u16string& directory) {
    ByteString prefix;
    RequireMemory(DirectoryPrefix(directory.data(), directory.size(), prefix));
    return StdString(prefix);
}

inline std::string ReadBaseText(const std::string& directoryPrefix) {
    ByteString text;
    RequireMemory(ReadBaseText(HeapCopy(directoryPrefix), text));
    return StdString(text);
}

inline std::u16string FirstPreferredUILanguage(std::size_t capacity) {
    std::vector<char16_t> area(capacity + 1, u'\0');
    platform::FirstPreferredUILanguage(area.data(), capacity);
    return area.data();
}

// A document built from a whole text, embedded zero bytes included.
inline CJSonObject Document(const std::string& text) { return CJSonObject(text.c_str(), text.size()); }

// GetStringValue with standard strings: value changes only when found.
inline bool GetStringValue(const CJSonObject& document, const std::string& key, std::string& value) {
    const char* found = document.FindStringValue(key.c_str());
    if (found == nullptr) return false;
    value = found;
    return true;
}
