#include "platform/console.h"

namespace platform {

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return std::vector<std::string>(argv, argv + argc); }

void PrepareUtf8Console() {}

}  // namespace platform
