// The Win32 side of the platform layer: the calls that the installer host and
// Windows itself expect of a plug-in.
#include "platform/platform.h"

#include <windows.h>

#include <vector>

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

std::string WideToUtf8(const char16_t* text, std::size_t units) {
    if (units == 0) return std::string();
    const int length = static_cast<int>(units);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, AsWide(text), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return std::string();
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, AsWide(text), length, &out[0], bytes, nullptr, nullptr);
    return out;
}

std::u16string Utf8ToWide(const std::string& text) {
    if (text.empty()) return std::u16string();
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    if (units <= 0) return std::u16string();
    std::u16string out(static_cast<std::size_t>(units), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, reinterpret_cast<wchar_t*>(&out[0]), units);
    return out;
}

std::u16string FirstPreferredUILanguage(std::size_t capacity) {
    if (capacity == 0) return std::u16string();
    std::vector<wchar_t> area(capacity, L'\0');
    ULONG count = 0;
    ULONG size = static_cast<ULONG>(capacity);
    GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, area.data(), &size);
    area.back() = L'\0';
    return std::u16string(reinterpret_cast<const char16_t*>(area.data()));
}

std::FILE* OpenFileForReading(const std::string& utf8Path) {
    const std::u16string path = Utf8ToWide(utf8Path);
    return _wfopen(AsWide(path.c_str()), L"rb");
}

void FormatHandle(const void* address, char16_t* area, std::size_t capacity) {
    // wsprintfW writes at most 1024 units; a number needs far fewer than any caller's area.
    wchar_t digits[32] = {};
#if defined(_WIN64)
    wsprintfW(digits, L"%I64d", static_cast<long long>(reinterpret_cast<std::intptr_t>(address)));
#else
    wsprintfW(digits, L"%ld", static_cast<long>(reinterpret_cast<std::intptr_t>(address)));
#endif
    CopyWideBounded(area, reinterpret_cast<const char16_t*>(digits), capacity);
}

}  // namespace platform
