// What a command-line tool needs from the system: its arguments in UTF-8, a
// console that shows UTF-8, and other programs to run.
#pragma once

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace console {

std::vector<std::string> Utf8Arguments(int argc, char** argv);
void PrepareUtf8Console();

// The program's full path when a folder of PATH holds it, else "".
std::string FindProgramOnPath(const std::string& name);

struct ProgramRun {
    bool started = false;
    int exitCode = -1;
    std::string output;  // what it wrote to standard output
    std::string errors;  // and to standard error
};

// Runs program (a path) with arguments, all UTF-8, and waits for it.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments);

// Bytes of an ANSI code page (1252, 1251, 932 ...) as UTF-8; false when the
// system has no such code page or the bytes are no text in it.
bool FromCodePage(const std::string& bytes, int codePage, std::string& utf8);

// Runs a tool's main body: whatever goes wrong, the tool says so under its
// name and exits with failureStatus; no exception ever ends it.
inline int RunTool(const char* name, int (*body)(int, char**), int argc, char** argv, int failureStatus) {
    try {
        return body(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: stopped: %s\n", name, error.what());
    } catch (...) {
        std::fprintf(stderr, "%s: stopped by an unexpected failure\n", name);
    }
    return failureStatus;
}

}  // namespace console
