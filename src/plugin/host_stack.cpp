#include "plugin/host_stack.h"

#include "platform/platform.h"

HostContext hostContext = {0, nullptr, nullptr};

void SaveHostContext(int stringSize, char16_t* variables, HostStackEntry** stackTop) {
    hostContext.stringSize = stringSize;
    hostContext.stackTop = stackTop;
    hostContext.variables = variables;
}

std::size_t StackEntryBytes(int stringSize) {
    return sizeof(HostStackEntry*) + 2 * static_cast<std::size_t>(stringSize) + sizeof(HostStackEntry*);
}

int PopString(char16_t* buffer, std::size_t capacity) {
    if (hostContext.stackTop == nullptr) return 1;
    HostStackEntry* entry = *hostContext.stackTop;
    if (entry == nullptr) return 1;
    platform::CopyWideBounded(buffer, entry->text, capacity);
    *hostContext.stackTop = entry->next;
    platform::FreeStackEntry(entry);
    return 0;
}

void PushString(const char16_t* text) {
    if (hostContext.stackTop == nullptr || hostContext.stringSize < 1) return;
    auto* entry = static_cast<HostStackEntry*>(platform::AllocateStackEntry(StackEntryBytes(hostContext.stringSize)));
    if (entry == nullptr) return;
    platform::CopyWideBounded(entry->text, text, static_cast<std::size_t>(hostContext.stringSize));
    entry->next = *hostContext.stackTop;
    *hostContext.stackTop = entry;
}
