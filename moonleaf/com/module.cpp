#include "moonleaf/com/module.h"

#include <atomic>

namespace moonleaf_com {

namespace {
HINSTANCE g_instance = nullptr;
std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};
}  // namespace

void set_module_instance(HINSTANCE instance) {
    g_instance = instance;
}
HINSTANCE module_instance() {
    return g_instance;
}

std::wstring module_path() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(g_instance, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void add_object() {
    ++g_objects;
}
void remove_object() {
    --g_objects;
}
void add_lock() {
    ++g_locks;
}
void remove_lock() {
    --g_locks;
}
bool module_in_use() {
    return g_objects > 0 || g_locks > 0;
}

HRESULT load_type_library(ComPtr<ITypeLib>& library) {
    return ::LoadTypeLibEx(module_path().c_str(), REGKIND_NONE, library.put());
}

HRESULT load_type_info(REFGUID guid, ComPtr<ITypeInfo>& info) {
    ComPtr<ITypeLib> library;
    const HRESULT hr = load_type_library(library);
    if (FAILED(hr)) return hr;
    return library->GetTypeInfoOfGuid(guid, info.put());
}

}  // namespace moonleaf_com
