#include "plugin/host_callback.h"

#include "platform/platform.h"
#include "plugin/document_slots.h"

namespace {

bool registered = false;

}  // namespace

void StayLoadedWithHost(const HostExtraParameters* extraParameters) {
    if (registered || extraParameters == nullptr || extraParameters->execFlags == nullptr) return;
    if (extraParameters->execFlags->pluginApiVersion < kFirstCallbackApiVersion) return;
    if (extraParameters->registerPluginCallback == nullptr) return;
    registered = extraParameters->registerPluginCallback(platform::ThisModule(), OnHostMessage) >= 0;
}

std::uintptr_t OnHostMessage(int message) {
    if (message == kHostUnloadMessage) ReleaseDocuments();
    return 0;
}

void ForgetHostRegistration() { registered = false; }
