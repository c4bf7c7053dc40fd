// UTF-8 and UTF-16 conversions for builds without Win32. They follow what
// Windows does with flags 0: nothing is refused, every invalid piece of input
// becomes U+FFFD.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

std::string ConvertUtf16ToUtf8(const char16_t* text, std::size_t units);
std::u16string ConvertUtf8ToUtf16(const std::string& text);

}  // namespace platform
