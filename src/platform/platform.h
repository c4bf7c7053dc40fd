// The one boundary between the plug-in and the operating system. Everything
// above this header is plain C++; the Win32 and POSIX implementations live in
// their own translation units and only they include system headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "base/heap_string.h"

#if defined(_WIN32)
#define PARLUNE_EXPORT
#define PARLUNE_HOST_CALL __stdcall
#else
#define PARLUNE_EXPORT __attribute__((visibility("default")))
#define PARLUNE_HOST_CALL
#endif

namespace platform {

// Host stack entries are shared with the installer host, so both sides must use
// the same allocator: GlobalAlloc/GlobalFree on Windows, calloc/free elsewhere.
// The memory comes back zero-filled.
void* AllocateStackEntry(std::size_t bytes);
void FreeStackEntry(void* entry);

// The copying rule of lstrcpynW: at most capacity - 1 units, then a zero unit.
// A capacity of 0 writes nothing.
void CopyWideBounded(char16_t* destination, const char16_t* source, std::size_t capacity);

// UTF-16 to UTF-8, appended to out; a lone surrogate becomes U+FFFD. False,
// out unchanged, when memory runs out.
bool WideToUtf8(const char16_t* text, std::size_t units, ByteString& out);

// UTF-8 to UTF-16, appended to out; each invalid sequence becomes U+FFFD.
// False, out unchanged, when memory runs out.
bool Utf8ToWide(const char* text, std::size_t bytes, WideString& out);

// Writes the user's first preferred UI language name (for example en-US)
// into area, at most capacity - 1 units and a zero unit; "" when the system
// names none. A capacity of 0 writes nothing.
void FirstPreferredUILanguage(char16_t* area, std::size_t capacity);

// Opens a file for reading raw bytes, by its UTF-8 path, and tells its size
// in bytes. Null when the path cannot be opened or names something other than
// a regular file.
std::FILE* OpenFileForReading(const char* utf8Path, long* size);

// The handle of this module, as the host knows it.
void* ThisModule();

// The separator that joins the language directory and a file name.
extern const char16_t kPathSeparator;

}  // namespace platform
