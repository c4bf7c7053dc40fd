// The three functions the installer script calls: each saves what the host
// passed, then hands over to plain code.
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
    InitCall();
}

PARLUNE_EXPORT void GetStr(void* /*parentWindow*/, int stringSize, char16_t* variables, HostStackEntry** stackTop,
                           HostExtraParameters* extraParameters) {
    SaveHostContext(stringSize, variables, stackTop);
    StayLoadedWithHost(extraParameters);
    GetStrCall();
}

PARLUNE_EXPORT void Exit(void* /*parentWindow*/, int stringSize, char16_t* variables, HostStackEntry** stackTop,
                         HostExtraParameters* extraParameters) {
    SaveHostContext(stringSize, variables, stackTop);
    StayLoadedWithHost(extraParameters);
    ReleaseDocuments();
}

}  // extern "C"
