// The three functions the installer script calls. The host is C code, so no
// exception may cross this boundary.
#include "platform/platform.h"
#include "plugin/document_slots.h"
#include "plugin/export_calls.h"
#include "plugin/exports.h"
#include "plugin/host_callback.h"
#include "plugin/host_stack.h"

extern "C" {

PARLUNE_EXPORT void Init(void* /*parentWindow*/, int stringSize, char16_t* variables, HostStackEntry** stackTop,
                         HostExtraParameters* extraParameters) {
    SaveHostContext(stringSize, variables, stackTop);
    StayLoadedWithHost(extraParameters);
    try {
        InitCall();
    } catch (...) {
    }
}

PARLUNE_EXPORT void GetStr(void* /*parentWindow*/, int stringSize, char16_t* variables, HostStackEntry** stackTop,
                           HostExtraParameters* extraParameters) {
    SaveHostContext(stringSize, variables, stackTop);
    StayLoadedWithHost(extraParameters);
    try {
        GetStrCall();
    } catch (...) {
    }
}

PARLUNE_EXPORT void Exit(void* /*parentWindow*/, int stringSize, char16_t* variables, HostStackEntry** stackTop,
                         HostExtraParameters* extraParameters) {
    SaveHostContext(stringSize, variables, stackTop);
    StayLoadedWithHost(extraParameters);
    ReleaseDocuments();
}

}  // extern "C"
