// The pseudo-locale en-XM: en.json's texts with accented letters, about a
// third longer and bracketed, so that an installer run with /LANG=en-XM shows
// which texts are cut by their controls and which never came from a file.
#pragma once

#include <string>

#include "language_file_check.h"

// One text: letters accented, {{placeholders}}, NSIS's references, escapes,
// line breaks and & marks untouched; white space at either end stays outside the brackets.
std::string PseudoText(const std::string& text);

// The whole en-xm.json for en.json's texts, in en.json's order, then NSIS's
// and Modern UI's English texts that en.json does not give. The key that
// names the NSIS language keeps its value.
std::string PseudoLocaleFile(const LanguageFileCheck& english);
