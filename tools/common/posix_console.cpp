#include "console.h"

#include <fcntl.h>
#include <iconv.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

extern char** environ;

namespace console {

namespace {

std::string ReadAll(int descriptor) {
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(descriptor, buffer, sizeof buffer);
        if (got > 0) text.append(buffer, static_cast<std::size_t>(got));
        else if (got == 0 || errno != EINTR) break;
    }
    return text;
}

}  // namespace

bool FromCodePage(const std::string& bytes, int codePage, std::string& utf8) {
    const iconv_t converter = iconv_open("UTF-8", ("CP" + std::to_string(codePage)).c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) return false;
    std::string in = bytes;
    std::string out(bytes.size() * 4 + 4, '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t left = in.size(), room = out.size();
    const bool converted = iconv(converter, &from, &left, &to, &room) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (!converted) return false;
    utf8.assign(out.data(), out.size() - room);
    return true;
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return std::vector<std::string>(argv, argv + argc); }

void PrepareUtf8Console() {}

std::string FindProgramOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return std::string();
    const std::string folders = path;
    for (std::size_t start = 0; start <= folders.size();) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        const std::string candidate = (end > start ? folders.substr(start, end - start) : ".") + "/" + name;
        struct stat status;
        if (stat(candidate.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        start = end + 1;
    }
    return std::string();
}

// Standard output through a pipe, standard error into an unlinked file, so
// that neither can fill up while the other is read.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments) {
    ProgramRun run;
    // Asked first: where posix_spawn runs as fork and exec (under valgrind,
    // say), a program that is not there would still count as started.
    if (access(program.c_str(), X_OK) != 0) return run;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return run;
    char errorsName[] = "/tmp/parlune-errors-XXXXXX";
    const int errorsFile = mkstemp(errorsName);
    if (errorsFile >= 0) unlink(errorsName);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    if (errorsFile >= 0) posix_spawn_file_actions_adddup2(&actions, errorsFile, STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned == 0) {
        run.started = true;
        run.output = ReadAll(pipeEnds[0]);
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    }
    close(pipeEnds[0]);
    if (errorsFile >= 0) {
        lseek(errorsFile, 0, SEEK_SET);
        run.errors = ReadAll(errorsFile);
        close(errorsFile);
    }
    return run;
}

}  // namespace console
