#pragma once

#include <string>

// The whole content of a file up to its first zero byte; empty when the file
// cannot be opened, read or held in memory.
std::string ReadFileText(const std::string& utf8Path);
