// The system's own description of an error code, for reports that must say why a call failed.
#pragma once

#include <windows.h>

#include <string>

namespace common::win32 {

// The message of `code` in the user's language followed by the number ("拒绝访问。 (5)"); the
// messages of `module` (for example winhttp.dll) are searched before the system's.
std::string system_error_text(DWORD code, HMODULE module = nullptr);

}  // namespace common::win32
