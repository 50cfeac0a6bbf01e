#include <windows.h>
// CommandLineToArgvW comes after windows.h.
#include <shellapi.h>

#include <memory>

#include "common/command_line.h"

namespace common {

namespace {

struct LocalFreer {
    void operator()(LPWSTR* block) const { LocalFree(block); }
};

std::string to_utf8(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string utf8(static_cast<size_t>(length - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

}  // namespace

// argv holds the arguments in the ANSI code page, which loses what it cannot represent; the
// UTF-16 command line has them all.
std::vector<std::string> utf8_arguments(int, char**) {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreer> wide(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i) arguments.push_back(to_utf8(wide.get()[i]));
    return arguments;
}

}  // namespace common
