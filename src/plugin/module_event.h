// What the module is told about its process, in the host's terms: the module
// entry point turns the system's notifications into these.
#pragma once

enum class ModuleEvent {
    ProcessAttach,
    ThreadAttach,
    ThreadDetach,
    ProcessUnload,  // the host frees the module while the process goes on
    ProcessExit,    // the process is ending; its heap may already be torn down
};
