#pragma once

#include "base/heap_string.h"

// Puts the whole content of a file up to its first zero byte into text; text
// is left empty when the file cannot be opened, read or held in memory.
void ReadFileText(const char* utf8Path, ByteString& text);
