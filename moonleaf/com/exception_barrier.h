// Nothing may throw across a COM call: every entry point runs its body through barrier().
#pragma once

#include <windows.h>

#include <new>

namespace moonleaf_com {

// The body's HRESULT, or E_OUTOFMEMORY when memory ran out (std::bad_alloc), or E_UNEXPECTED
// for any other exception, which would be a fault of ours.
template <class Body>
HRESULT barrier(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace moonleaf_com
