// What a command-line tool needs from the system: its arguments in UTF-8 and
// a console that shows UTF-8.
#pragma once

#include <string>
#include <vector>

namespace platform {

std::vector<std::string> Utf8Arguments(int argc, char** argv);
void PrepareUtf8Console();

}  // namespace platform
