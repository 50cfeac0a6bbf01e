// Memory inside the process that owns a window, for control messages whose arguments are
// pointers that Windows does not carry across processes (tab items, notifications).
#pragma once

#include <windows.h>

#include <cstddef>

#include "common/win32/unique_handle.h"

namespace ui_probe {

class RemoteMemory {
  public:
    RemoteMemory(HWND owner, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    explicit operator bool() const { return address_ != nullptr; }
    void* address() const { return address_; }
    bool write(const void* data, size_t size, size_t offset = 0);
    bool read(void* data, size_t size, size_t offset = 0) const;

  private:
    common::win32::UniqueKernelHandle process_;
    void* address_ = nullptr;
};

}  // namespace ui_probe
