// Stand-ins for Win32 on systems without it, used by the native module, the
// tests, the fuzzers and the sanitizer builds.
#include "platform/platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/utf_conversion.h"

namespace platform {
namespace {

// The locale variables in the order that gettext consults them for messages.
const char* FirstLocaleSetting() {
    const char* language = std::getenv("LANGUAGE");
    if (language != nullptr && language[0] != '\0' && language[0] != ':') return language;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') return value;
    }
    return nullptr;
}

// language[_territory][.codeset][@modifier] becomes language[-Script][-territory],
// the form Windows and Wine give the same user: sr_RS@latin is sr-Latn-RS.
std::string LocaleToLanguageTag(const std::string& locale) {
    std::string entry = locale.substr(0, locale.find(':'));
    std::string modifier;
    if (const std::size_t at = entry.find('@'); at != std::string::npos) {
        modifier = entry.substr(at + 1);
        entry.erase(at);
    }
    entry = entry.substr(0, entry.find('.'));
    if (entry.empty() || entry == "C" || entry == "POSIX") return std::string();

    std::string language = entry;
    std::string territory;
    if (const std::size_t underscore = entry.find('_'); underscore != std::string::npos) {
        language = entry.substr(0, underscore);
        territory = entry.substr(underscore + 1);
    }
    std::string tag = language;
    if (modifier == "latin") tag += "-Latn";
    if (modifier == "cyrillic") tag += "-Cyrl";
    if (!territory.empty()) tag += "-" + territory;
    return tag;
}

}  // namespace

const char16_t kPathSeparator = u'/';

void* ThisModule() {
    // Any address inside the module identifies it to a host stand-in.
    static char marker;
    return &marker;
}

void* AllocateStackEntry(std::size_t bytes) { return std::calloc(1, bytes); }

void FreeStackEntry(void* entry) { std::free(entry); }

void CopyWideBounded(char16_t* destination, const char16_t* source, std::size_t capacity) {
    if (capacity == 0) return;
    std::size_t i = 0;
    for (; i + 1 < capacity && source[i] != 0; ++i) destination[i] = source[i];
    destination[i] = 0;
}

bool WideToUtf8(const char16_t* text, std::size_t units, ByteString& out) {
    return ConvertUtf16ToUtf8(text, units, out);
}

bool Utf8ToWide(const char* text, std::size_t bytes, WideString& out) { return ConvertUtf8ToUtf16(text, bytes, out); }

void FirstPreferredUILanguage(char16_t* area, std::size_t capacity) {
    if (capacity == 0) return;
    area[0] = u'\0';
    const char* setting = FirstLocaleSetting();
    if (setting == nullptr) return;
    const std::string tag = LocaleToLanguageTag(setting);
    WideString wide;
    if (ConvertUtf8ToUtf16(tag.data(), tag.size(), wide)) CopyWideBounded(area, wide.c_str(), capacity);
}

std::FILE* OpenFileForReading(const char* utf8Path, long* size) {
    // Opened without blocking and checked before use: a directory would open
    // here and fail only on reading, and opening a named pipe would wait for
    // a writer forever.
    const int descriptor = open(utf8Path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return nullptr;
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(descriptor);
        return nullptr;
    }
    std::FILE* file = fdopen(descriptor, "rb");
    if (file == nullptr) close(descriptor);
    // The status at hand spares the stream a seek to its end and back.
    *size = static_cast<long>(status.st_size);
    return file;
}

}  // namespace platform
