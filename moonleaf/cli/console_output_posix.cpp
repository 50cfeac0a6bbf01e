#include "moonleaf/cli/console_output.h"

namespace moonleaf::cli {

// POSIX streams pass bytes through as they are.
void prepare_console_output() {}

}  // namespace moonleaf::cli
