// Registry entries of the control: class, ProgIDs, control marker and type library, written
// under the machine's classes (DllRegisterServer) or the current user's (DllInstall "user").
#pragma once

#include <windows.h>

namespace moonleaf_com {

enum class RegistrationScope { machine, user };

HRESULT register_server(RegistrationScope scope);
HRESULT unregister_server(RegistrationScope scope);

}  // namespace moonleaf_com
