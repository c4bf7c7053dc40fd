// The module entry point. Windows calls it for the process and for every
// thread; only the host unloading the module releases the documents.
#include <windows.h>

#include "plugin/document_slots.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE /*module*/, DWORD reason, LPVOID reserved) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            OnModuleEvent(ModuleEvent::ProcessAttach);
            break;
        case DLL_THREAD_ATTACH:
            OnModuleEvent(ModuleEvent::ThreadAttach);
            break;
        case DLL_THREAD_DETACH:
            OnModuleEvent(ModuleEvent::ThreadDetach);
            break;
        case DLL_PROCESS_DETACH:
            // reserved is null when FreeLibrary unloads us, non-null at process exit.
            OnModuleEvent(reserved == nullptr ? ModuleEvent::ProcessUnload : ModuleEvent::ProcessExit);
            break;
        default:
            break;
    }
    return TRUE;
}
