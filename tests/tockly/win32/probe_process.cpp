#include "tests/tockly/win32/probe_process.h"

#include <windows.h>

#include "common/win32/unique_handle.h"

namespace tockly::platform::test {

std::wstring probe_path() {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"tockly_services_probe.exe";
}

int run_probe(const std::wstring& argument, std::wstring program) {
    if (program.empty()) program = probe_path();
    std::wstring command = L"\"" + program + L"\" " + argument;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return -1;
    }
    const common::win32::UniqueKernelHandle thread(process.hThread);
    const common::win32::UniqueKernelHandle handle(process.hProcess);
    if (WaitForSingleObject(handle.get(), 30000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(handle.get(), &code);
    return static_cast<int>(code);
}

}  // namespace tockly::platform::test
