#pragma once

namespace tockly::platform {

// Enables a privilege the process token holds but has switched off ("SeShutdownPrivilege",
// "SeSystemtimePrivilege"), looked up on `system` (nullptr: this computer). False when the
// token does not hold it or the system refused.
bool enable_privilege(const wchar_t* system, const wchar_t* privilege);

}  // namespace tockly::platform
