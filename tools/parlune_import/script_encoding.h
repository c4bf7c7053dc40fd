// The encodings makensis reads a script in, turned into UTF-8.
#pragma once

#include <string>

// UTF-8 with or without a byte-order mark, or UTF-16LE with one. Anything
// else (an ANSI code page, UTF-16BE) is refused with a sentence saying so,
// rather than guessed.
bool DecodeScript(const std::string& bytes, std::string& utf8, std::string& complaint);
