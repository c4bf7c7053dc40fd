// Keeping the module loaded between plug-in calls. A host frees a plug-in
// after every call unless the plug-in registers a callback; registered, the
// module stays until the installer ends and releases its documents then.
#pragma once

#include "plugin/host_extra_parameters.h"

// Registers the unload callback once, when the host offers registration.
// Safe with a null block and with hosts that predate the callback.
void StayLoadedWithHost(const HostExtraParameters* extraParameters);

// The registered callback: releases both documents on the unload message.
std::uintptr_t OnHostMessage(int message);

// Forgets an earlier registration, as a fresh load of the module would.
void ForgetHostRegistration();
