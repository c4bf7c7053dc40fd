// What each export does once the host context is saved.
#pragma once

// Pops the directory and the tag, loads the documents, pushes the handle.
void InitCall();

// Pops a key, pushes its text or "".
void GetStrCall();
