// Process-wide state of the control library: its instance handle, the counts that decide
// whether it may be unloaded, and its embedded type library.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <string>

#include "moonleaf/com/com_ptr.h"

namespace moonleaf_com {

HINSTANCE module_instance();
void set_module_instance(HINSTANCE instance);  // from DllMain
std::wstring module_path();

// Live objects and LockServer(TRUE) calls; the library may unload only when both are zero.
void add_object();
void remove_object();
void add_lock();
void remove_lock();
bool module_in_use();

// The type library embedded as resource 1, loaded without touching the registry so that
// registration-free hosts work too.
HRESULT load_type_library(ComPtr<ITypeLib>& library);
HRESULT load_type_info(REFGUID guid, ComPtr<ITypeInfo>& info);

// Counts a COM object of ours for DllCanUnloadNow while it lives.
class ObjectCount {
  public:
    ObjectCount() { add_object(); }
    ~ObjectCount() { remove_object(); }
    ObjectCount(const ObjectCount&) = delete;
    ObjectCount& operator=(const ObjectCount&) = delete;
};

}  // namespace moonleaf_com
