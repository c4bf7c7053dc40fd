// Loads the Parlune module the way an installer host does and prints what it
// answers for a few keys in several languages.
#include <dlfcn.h>

#include <cstdio>
#include <string>

#include "support/host_simulator.h"

namespace {

const char* const kKeys[] = {"Caption", "WelcomeTitle", "ProgramSection", "FinishText"};

ExportFunction Lookup(void* module, const char* name) {
    return reinterpret_cast<ExportFunction>(dlsym(module, name));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s MODULE LANGUAGE_DIRECTORY [TAG...]\n", argv[0]);
        return 2;
    }
    void* module = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        std::fprintf(stderr, "cannot load %s: %s\n", argv[1], dlerror());
        return 1;
    }
    const ExportFunction init = Lookup(module, "Init");
    const ExportFunction getStr = Lookup(module, "GetStr");
    const ExportFunction exitModule = Lookup(module, "Exit");
    if (init == nullptr || getStr == nullptr || exitModule == nullptr) {
        std::fprintf(stderr, "%s does not export Init, GetStr and Exit\n", argv[1]);
        return 1;
    }

    HostSimulator host;
    const std::u16string directory = FromUtf8(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const std::u16string handle = host.CallInit(init, directory, FromUtf8(argv[i]));
        std::printf("[%s] handle %s\n", argv[i], ToUtf8(handle).c_str());
        for (const char* key : kKeys) {
            std::printf("  %-15s %s\n", key, ToUtf8(host.CallGetStr(getStr, FromUtf8(key))).c_str());
        }
        host.Call(exitModule);
    }
    dlclose(module);
    return 0;
}
