// The window class of the in-place active control.
#pragma once

#include <windows.h>

namespace moonleaf_com {

// Registered on first use; the library unregisters it when it is unloaded, since the class
// would otherwise outlive the window procedure it points to.
const wchar_t* control_window_class();
void unregister_control_window_class();

}  // namespace moonleaf_com
