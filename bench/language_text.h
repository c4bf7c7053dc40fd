// Language files for the benchmarks: generated ones of a chosen size, and
// the example installer's own.
#pragma once

#include <string>
#include <vector>

// A flat object of the given number of members, as a translator would write
// it: descriptive keys, texts in ASCII, accented Latin, Cyrillic and CJK, some
// with escapes, one member per line.
std::string MakeLanguageText(int members);

// The key of member number index in MakeLanguageText's files.
std::string LanguageKey(int index);

// The texts of the example installer's language files, read from folder.
std::vector<std::string> ReadExampleTexts(const std::string& folder);
