#include "common/console_output.h"

namespace common {

// POSIX streams pass bytes through as they are.
void prepare_console_output() {}

}  // namespace common
