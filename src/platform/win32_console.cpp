#include "platform/console.h"

#include <windows.h>
#include <shellapi.h>

#include "std_interop.h"

namespace platform {

// The narrow argv holds the arguments in the ANSI code page; the wide command
// line has them whole.
std::vector<std::string> Utf8Arguments(int /*argc*/, char** /*argv*/) {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return arguments;
    for (int i = 0; i < count; ++i) {
        const auto* text = reinterpret_cast<const char16_t*>(wide[i]);
        arguments.push_back(ToUtf8(text));
    }
    LocalFree(wide);
    return arguments;
}

void PrepareUtf8Console() { SetConsoleOutputCP(CP_UTF8); }

}  // namespace platform
