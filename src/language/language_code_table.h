// The fixed table from language codes to the base names of language files.
#pragma once

#include <string>

// Maps a language tag such as "en-US" or "zh-Hans-CN", compared whole and
// ignoring ASCII case, to a file base name such as "en" or "zh-cn"; the empty
// string when the table does not hold the tag.
std::string MapLanguageCode(const std::string& tag);
