#pragma once

#include <string>

// The English name of the language a file base name stands for, for example
// "German" for "de"; empty for a name that is not a language file's.
std::string LanguageName(const std::string& baseName);
