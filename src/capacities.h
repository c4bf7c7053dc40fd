// Capacities of the fixed UTF-16 areas the exports work in, in units,
// terminator included. A longer string popped into one is cut to
// capacity - 1 units.
#pragma once

#include <cstddef>

constexpr std::size_t kKeyCapacity = 128;
constexpr std::size_t kDirectoryCapacity = 260;
constexpr std::size_t kTagCapacity = 64;
constexpr std::size_t kLanguageNameCapacity = 128;
constexpr std::size_t kHandleCapacity = 512;
