#include "tests/wine/ui_probe/remote_memory.h"

namespace ui_probe {

RemoteMemory::RemoteMemory(HWND owner, size_t size) {
    DWORD process_id = 0;
    ::GetWindowThreadProcessId(owner, &process_id);
    process_.reset(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                 process_id));
    if (process_)
        address_ = ::VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                    PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory() {
    if (address_) ::VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
}

bool RemoteMemory::write(const void* data, size_t size, size_t offset) {
    return address_ && ::WriteProcessMemory(process_.get(), static_cast<char*>(address_) + offset,
                                            data, size, nullptr);
}

bool RemoteMemory::read(void* data, size_t size, size_t offset) const {
    return address_ && ::ReadProcessMemory(process_.get(), static_cast<char*>(address_) + offset,
                                           data, size, nullptr);
}

}  // namespace ui_probe
