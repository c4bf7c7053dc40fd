// Reading a file whole, for the tools: what cannot be read says why, so that
// no input is ever taken as empty.
#pragma once

#include <string>

// False with the reason ("no such file", "a folder, not a file", "a symbolic
// link that loops" ...) when the path names no readable regular file. A FIFO
// or device is refused before it is opened, so reading never blocks on one.
bool ReadWholeFile(const std::string& utf8Path, std::string& bytes, std::string& reason);
