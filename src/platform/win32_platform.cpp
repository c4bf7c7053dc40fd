// The Win32 side of the platform layer: the calls that the installer host and
// Windows itself expect of a plug-in.
#include "platform/platform.h"

#include <windows.h>

#include <cstring>

namespace platform {
namespace {

const wchar_t* AsWide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace

const char16_t kPathSeparator = u'\\';

void* ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

void* AllocateStackEntry(std::size_t bytes) { return GlobalAlloc(GPTR, bytes); }

void FreeStackEntry(void* entry) { GlobalFree(static_cast<HGLOBAL>(entry)); }

void CopyWideBounded(char16_t* destination, const char16_t* source, std::size_t capacity) {
    if (capacity == 0) return;
    lstrcpynW(reinterpret_cast<wchar_t*>(destination), AsWide(source), static_cast<int>(capacity));
}

// Each conversion asks for the exact length first, so the string grows once.
bool WideToUtf8(const char16_t* text, std::size_t units, ByteString& out) {
    if (units == 0) return true;
    const int length = static_cast<int>(units);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, AsWide(text), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return true;
    if (!out.Reserve(out.size() + static_cast<std::size_t>(bytes))) return false;
    WideCharToMultiByte(CP_UTF8, 0, AsWide(text), length, out.Room(), bytes, nullptr, nullptr);
    out.SetLength(out.size() + static_cast<std::size_t>(bytes));
    return true;
}

bool Utf8ToWide(const char* text, std::size_t bytes, WideString& out) {
    if (bytes == 0) return true;
    const int length = static_cast<int>(bytes);
    const int units = MultiByteToWideChar(CP_UTF8, 0, text, length, nullptr, 0);
    if (units <= 0) return true;
    if (!out.Reserve(out.size() + static_cast<std::size_t>(units))) return false;
    MultiByteToWideChar(CP_UTF8, 0, text, length, reinterpret_cast<wchar_t*>(out.Room()), units);
    out.SetLength(out.size() + static_cast<std::size_t>(units));
    return true;
}

void FirstPreferredUILanguage(char16_t* area, std::size_t capacity) {
    if (capacity == 0) return;
    for (std::size_t i = 0; i < capacity; ++i) area[i] = u'\0';
    ULONG count = 0;
    ULONG size = static_cast<ULONG>(capacity);
    GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, reinterpret_cast<wchar_t*>(area), &size);
    area[capacity - 1] = u'\0';
}

std::FILE* OpenFileForReading(const char* utf8Path, long* size) {
    WideString path;
    if (!Utf8ToWide(utf8Path, std::strlen(utf8Path), path)) return nullptr;
    std::FILE* file = _wfopen(AsWide(path.c_str()), L"rb");
    if (file == nullptr) return nullptr;
    std::fseek(file, 0, SEEK_END);
    *size = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    return file;
}

}  // namespace platform
