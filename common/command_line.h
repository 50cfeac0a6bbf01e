#pragma once

#include <string>
#include <vector>

namespace common {

// The program's arguments after its name, in UTF-8 whatever the system's code page, so that
// file and folder names in Chinese reach the program intact.
std::vector<std::string> utf8_arguments(int argc, char** argv);

}  // namespace common
