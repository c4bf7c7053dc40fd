// Counts the heap bytes a piece of work holds at its peak. The program that
// links heap_counter.cpp routes every malloc through it.
#pragma once

#include <cstddef>

// Starts counting from zero.
void StartHeapCount();
// Stops counting; returns the most bytes held at once since StartHeapCount.
std::size_t StopHeapCount();
// The blocks asked for (malloc, calloc, realloc and the aligned forms) during
// the last count.
long CountedRequests();
