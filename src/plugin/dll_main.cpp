// The module entry point. Windows calls it for the process and for every
// thread; only the host unloading the module releases the documents. The
// module is linked without the C runtime's start-up code, so Windows calls
// this function directly.
#include "platform/platform.h"
#include "plugin/document_slots.h"

namespace {

// The notifications, as Windows numbers them.
constexpr unsigned long kProcessDetach = 0;
constexpr unsigned long kProcessAttach = 1;
constexpr unsigned long kThreadAttach = 2;
constexpr unsigned long kThreadDetach = 3;

}  // namespace

extern "C" int PARLUNE_HOST_CALL DllMain(void* /*module*/, unsigned long reason, void* reserved) {
    switch (reason) {
        case kProcessAttach:
            OnModuleEvent(ModuleEvent::ProcessAttach);
            break;
        case kThreadAttach:
            OnModuleEvent(ModuleEvent::ThreadAttach);
            break;
        case kThreadDetach:
            OnModuleEvent(ModuleEvent::ThreadDetach);
            break;
        case kProcessDetach:
            // reserved is null when FreeLibrary unloads us, non-null at process exit.
            OnModuleEvent(reserved == nullptr ? ModuleEvent::ProcessUnload : ModuleEvent::ProcessExit);
            break;
        default:
            break;
    }
    return 1;
}
