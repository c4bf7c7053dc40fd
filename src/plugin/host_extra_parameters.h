// The host's fifth export argument, as far as this module reads it. The
// layout is the installer host's; hosts older than plug-in API 1.0 pass no
// such block, or one without the callback registration.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// The host's execution flags; only the plug-in API version is read.
struct HostExecFlags {
    int beforeApiVersion[7];
    int pluginApiVersion;
    int afterApiVersion[6];
};

// Messages the host sends to a registered callback.
constexpr int kHostUnloadMessage = 0;     // last message, just before the module is freed
constexpr int kHostGuiUnloadMessage = 1;  // after the GUI has ended
constexpr int kFirstCallbackApiVersion = 0x00010000;

using HostPluginCallback = std::uintptr_t (*)(int message);

struct HostExtraParameters {
    HostExecFlags* execFlags;
    int(PARLUNE_HOST_CALL* executeCodeSegment)(int position, void* window);
    void(PARLUNE_HOST_CALL* validateFilename)(char16_t* fileName);
    // 0 when registered, 1 when the module already was, below 0 on failure.
    int(PARLUNE_HOST_CALL* registerPluginCallback)(void* module, HostPluginCallback callback);
};
