// A second process for the services' tests:
//   tockly_services_probe instance   exits with 1 when another copy holds the program's name
//   tockly_services_probe folder     writes its program folder into "数据库" in that folder
#include <cwchar>

#include "tockly/platform/win32/file_system_win32.h"
#include "tockly/platform/win32/single_instance_win32.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    if (std::wcscmp(argv[1], L"instance") == 0) {
        return tockly::platform::Win32SingleInstance().another_instance_running() ? 1 : 0;
    }
    if (std::wcscmp(argv[1], L"folder") == 0) {
        tockly::platform::Win32FileSystem files;
        const std::string folder = files.program_folder();
        return files.write_file(folder + "\\数据库", folder) ? 0 : 3;
    }
    return 2;
}
