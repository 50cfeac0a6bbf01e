// The entry points of Moonleaf2.ocx. They do what an in-process server's entry points do and
// nothing else.
#include <windows.h>

#include <cwchar>

#include "moonleaf/com/class_factory.h"
#include "moonleaf/com/control_window.h"
#include "moonleaf/com/exception_barrier.h"
#include "moonleaf/com/module.h"
#include "moonleaf/com/moonleaf_ids.h"
#include "moonleaf/com/moonleaf_object.h"
#include "moonleaf/com/registration.h"

using moonleaf_com::RegistrationScope;

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        moonleaf_com::set_module_instance(instance);
        ::DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        moonleaf_com::unregister_control_window_class();
    }
    return TRUE;
}

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** factory) {
    if (!factory) return E_POINTER;
    *factory = nullptr;
    if (clsid != moonleaf_ids::kClsid) return CLASS_E_CLASSNOTAVAILABLE;
    return moonleaf_com::get_class_factory(moonleaf_com::create_moonleaf_object, iid, factory);
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return moonleaf_com::module_in_use() ? S_FALSE : S_OK;
}

HRESULT STDAPICALLTYPE DllRegisterServer() {
    return moonleaf_com::barrier(
        [] { return moonleaf_com::register_server(RegistrationScope::machine); });
}

HRESULT STDAPICALLTYPE DllUnregisterServer() {
    return moonleaf_com::barrier(
        [] { return moonleaf_com::unregister_server(RegistrationScope::machine); });
}

// regsvr32 /n /i:user registers for the current user only, which needs no administrator rights.
HRESULT STDAPICALLTYPE DllInstall(BOOL install, const wchar_t* command_line) {
    const bool per_user = command_line && ::_wcsicmp(command_line, L"user") == 0;
    const RegistrationScope scope = per_user ? RegistrationScope::user : RegistrationScope::machine;
    return moonleaf_com::barrier([&] {
        return install ? moonleaf_com::register_server(scope)
                       : moonleaf_com::unregister_server(scope);
    });
}

}  // extern "C"
