// UTF-8 and UTF-16 conversions for builds without Win32. They follow what
// Windows does with flags 0: nothing is refused, every invalid piece of input
// becomes U+FFFD. Both append to out and answer false, out unchanged, when
// memory runs out.
#pragma once

#include <cstddef>

#include "base/heap_string.h"

namespace platform {

bool ConvertUtf16ToUtf8(const char16_t* text, std::size_t units, ByteString& out);
bool ConvertUtf8ToUtf16(const char* text, std::size_t bytes, WideString& out);

}  // namespace platform
