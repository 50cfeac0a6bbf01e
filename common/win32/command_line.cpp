#include <windows.h>
// CommandLineToArgvW comes after windows.h.
#include <shellapi.h>

#include <memory>

#include "common/command_line.h"
#include "common/win32/wide_text.h"

namespace common {

namespace {

struct LocalFreer {
    void operator()(LPWSTR* block) const { LocalFree(block); }
};

}  // namespace

// argv holds the arguments in the ANSI code page, which loses what it cannot represent; the
// UTF-16 command line has them all.
std::vector<std::string> utf8_arguments(int, char**) {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreer> wide(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(win32::utf8_from_utf16(wide.get()[i]));
    return arguments;
}

}  // namespace common
