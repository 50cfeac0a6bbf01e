#include "tockly/platform/win32/single_instance_win32.h"

#include <windows.h>

namespace tockly::platform {

bool Win32SingleInstance::another_instance_running() {
    if (!answer_) {
        mutex_.reset(CreateMutexW(nullptr, FALSE, L"Local\\Tockly.SingleInstance"));
        // The name exists when another process holds it; a mutex that could not be made at
        // all tells nothing, and the program then runs.
        answer_ = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return *answer_;
}

}  // namespace tockly::platform
