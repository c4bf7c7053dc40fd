#pragma once

#include <cstddef>

// Writes the handle Init pushes for a document address into area, in decimal
// and zero-terminated: "0" for null, otherwise the address as a signed number
// of the pointer's width (so a 32-bit address above 2147483647 is negative).
// At most capacity - 1 characters; allocates nothing.
void FormatHandle(const void* address, char16_t* area, std::size_t capacity);
