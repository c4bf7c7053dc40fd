// The encodings makensis reads a script in, turned into UTF-8.
#pragma once

#include <string>

// What the script's bytes were, for the report and for makensis's
// -INPUTCHARSET.
enum class ScriptCharset { Utf8, Utf16le, Utf16leWithoutBom, CodePage, AnsiMarked };

constexpr int kNoCodePage = 0;

// UTF-8 with or without a byte-order mark, UTF-16LE with one or without one
// (told by its zero high bytes), and bytes that are not UTF-8: in codePage
// when one is named, else as ANSI bytes marked for each language's code page
// (ansi_texts.h). UTF-16BE and broken UTF-16 are refused with a sentence
// that names the line, rather than guessed.
bool DecodeScript(const std::string& bytes, int codePage, std::string& utf8, std::string& complaint,
                  ScriptCharset* charset = nullptr);
