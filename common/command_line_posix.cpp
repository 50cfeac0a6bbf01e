#include "common/command_line.h"

namespace common {

// The arguments are the bytes the shell passed, UTF-8 in every locale we run in.
std::vector<std::string> utf8_arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

}  // namespace common
