// What each export does once the host context is saved. The exports
// themselves only save the context and keep exceptions from reaching the host.
#pragma once

#include <string>

// Pops the directory and the tag, loads the documents, pushes the handle.
void InitCall();

// Pops a key, pushes its text or "".
void GetStrCall();

// The text for a key as it goes back to the host: from the language document,
// else the base document, else empty; cut to the host's string size.
std::u16string LookUpText(const char16_t* key, std::size_t units);

// Cuts text to the stringSize - 1 units the host has room for, never between
// the two halves of a surrogate pair.
std::u16string FitToStringSize(std::u16string text, int stringSize);
