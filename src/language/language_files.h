// Finding and reading the language files in the directory an installer names.
// Each routine answers false only when memory ran out.
#pragma once

#include <cstddef>

#include "base/heap_string.h"

// The directory in UTF-8, ending in the path separator.
bool DirectoryPrefix(const char16_t* directory, std::size_t units, ByteString& prefix);

// The text of en.json; empty when it is missing, unreadable or starts with a
// zero byte.
bool ReadBaseText(const ByteString& directoryPrefix, ByteString& text);

// The text of the most specific candidate code's file that has text; empty
// when none has, and always for an empty tag.
bool ReadLanguageText(const ByteString& directoryPrefix, const char16_t* languageTag, std::size_t units,
                      ByteString& text);
