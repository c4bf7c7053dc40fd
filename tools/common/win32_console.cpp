#include "console.h"

#include <windows.h>
#include <shellapi.h>

#include "std_interop.h"

namespace console {

namespace {

std::wstring Wide(const std::string& utf8) {
    const std::u16string wide = FromUtf8(utf8);
    return std::wstring(wide.begin(), wide.end());
}

// One argument quoted the way the C runtime splits a command line again;
// one without blanks or quotes stays as it is, as switches must for cmd.exe.
std::wstring Quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

std::string ReadAll(HANDLE handle) {
    std::string text;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    return text;
}

}  // namespace

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

bool FromCodePage(const std::string& bytes, int codePage, std::string& utf8) {
    if (bytes.empty()) {
        utf8.clear();
        return true;
    }
    const int size = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(static_cast<UINT>(codePage), MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (units <= 0) return false;
    std::u16string wide(static_cast<std::size_t>(units), u'\0');
    MultiByteToWideChar(static_cast<UINT>(codePage), MB_ERR_INVALID_CHARS, bytes.data(), size,
                        reinterpret_cast<wchar_t*>(wide.data()), units);
    utf8 = ToUtf8(wide);
    return true;
}

std::string FindProgramOnPath(const std::string& name) {
    wchar_t found[MAX_PATH];
    const std::wstring file = Wide(name);
    if (SearchPathW(nullptr, file.c_str(), L".exe", MAX_PATH, found, nullptr) == 0) return std::string();
    return ToUtf8(reinterpret_cast<const char16_t*>(found));
}

// Standard output through a pipe, standard error into a temporary file that
// goes when closed, so that neither can fill up while the other is read.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments) {
    ProgramRun run;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return run;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    wchar_t folder[MAX_PATH], errorsName[MAX_PATH];
    HANDLE errorsFile = INVALID_HANDLE_VALUE;
    if (GetTempPathW(MAX_PATH, folder) != 0 && GetTempFileNameW(folder, L"plu", 0, errorsName) != 0) {
        errorsFile = CreateFileW(errorsName, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    }
    std::wstring commandLine = Quoted(Wide(program));
    for (const std::string& argument : arguments) commandLine += L" " + Quoted(Wide(argument));
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = errorsFile != INVALID_HANDLE_VALUE ? errorsFile : writeEnd;
    PROCESS_INFORMATION process = {};
    const std::wstring path = Wide(program);
    if (CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(writeEnd);
        writeEnd = nullptr;
        run.started = true;
        run.output = ReadAll(readEnd);
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        run.exitCode = static_cast<int>(code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    if (writeEnd != nullptr) CloseHandle(writeEnd);
    CloseHandle(readEnd);
    if (errorsFile != INVALID_HANDLE_VALUE) {
        SetFilePointer(errorsFile, 0, nullptr, FILE_BEGIN);
        run.errors = ReadAll(errorsFile);
        CloseHandle(errorsFile);
    }
    return run;
}

}  // namespace console
