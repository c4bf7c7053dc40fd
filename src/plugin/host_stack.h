// The installer host's string stack, shared with the host: the host frees the
// entries this module pushes and this module frees the entries it pops.
#pragma once

#include <cstddef>

struct HostStackEntry {
    HostStackEntry* next;
    char16_t text[1];  // really stringSize units, ended by a zero unit
};

// What the host passed to the export call in progress. Saved first thing in
// every export, and kept until the next call replaces it.
struct HostContext {
    int stringSize;
    HostStackEntry** stackTop;
    char16_t* variables;
};

extern HostContext hostContext;

void SaveHostContext(int stringSize, char16_t* variables, HostStackEntry** stackTop);

// Bytes of an entry this module pushes: the link, stringSize units of text,
// and one pointer's width to spare, as the host itself allocates them.
std::size_t StackEntryBytes(int stringSize);

// Copies the top string into buffer (at most capacity - 1 units and a zero
// unit), removes the entry and frees it; 0 on success. 1 when there is no
// stack or it is empty, leaving buffer as it was.
int PopString(char16_t* buffer, std::size_t capacity);

// Pushes a copy of text, cut to stringSize - 1 units. Does nothing without a
// stack, for a string size below 1, or when no memory is left.
void PushString(const char16_t* text);
