// Finding and reading the language files in the directory an installer names.
#pragma once

#include <string>

// The directory in UTF-8, ending in the path separator.
std::string DirectoryPrefix(const std::u16string& directory);

// The text of en.json; empty when it is missing, unreadable or starts with a
// zero byte.
std::string ReadBaseText(const std::string& directoryPrefix);

// The text of the most specific candidate code's file that has text; empty
// when none has, and always for an empty tag.
std::string ReadLanguageText(const std::string& directoryPrefix, const std::u16string& languageTag);
