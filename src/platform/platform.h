// The one boundary between the plug-in and the operating system. Everything
// above this header is plain C++; the Win32 and POSIX implementations live in
// their own translation units and only they include system headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

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

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string WideToUtf8(const char16_t* text, std::size_t units);

// UTF-8 to UTF-16; each invalid sequence becomes U+FFFD.
std::u16string Utf8ToWide(const std::string& text);

// The user's first preferred UI language name (for example en-US), at most
// capacity - 1 units; empty when the system names none.
std::u16string FirstPreferredUILanguage(std::size_t capacity);

// Opens a file for reading raw bytes, by its UTF-8 path. Null when the path
// cannot be opened or names something other than a regular file.
std::FILE* OpenFileForReading(const std::string& utf8Path);

// The handle of this module, as the host knows it.
void* ThisModule();

// The separator that joins the language directory and a file name.
extern const char16_t kPathSeparator;

// Writes the decimal form of a document address into area, zero-terminated:
// "0" for null, otherwise a number that stays the same for as long as the
// address does. Allocates nothing, so it works when memory has run out.
void FormatHandle(const void* address, char16_t* area, std::size_t capacity);

}  // namespace platform
