// The module's exported functions, with the installer host's signature:
// parent window, string size, variables, stack top, extra parameters.
#pragma once

#include "plugin/host_extra_parameters.h"
#include "plugin/host_stack.h"

extern "C" {
void Init(void* parentWindow, int stringSize, char16_t* variables, HostStackEntry** stackTop, HostExtraParameters* extraParameters);
void GetStr(void* parentWindow, int stringSize, char16_t* variables, HostStackEntry** stackTop, HostExtraParameters* extraParameters);
void Exit(void* parentWindow, int stringSize, char16_t* variables, HostStackEntry** stackTop, HostExtraParameters* extraParameters);
}
