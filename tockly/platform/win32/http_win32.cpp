#include "tockly/platform/win32/http_win32.h"

#include <windows.h>

#include <winhttp.h>

#include <algorithm>
#include <string>

#include "common/win32/system_error.h"
#include "common/win32/unique_handle.h"
#include "common/win32/wide_text.h"

namespace tockly::platform {

namespace {

void close_internet(HINTERNET handle) {
    WinHttpCloseHandle(handle);
}
// Kept here: winhttp.h cannot be included beside wininet.h, so the shared header stays clear
// of it.
using UniqueInternet = common::win32::UniqueHandle<HINTERNET, close_internet>;

HttpReply failure(DWORD code) {
    return {false, {}, common::win32::system_error_text(code, GetModuleHandleW(L"winhttp.dll"))};
}

HttpReply last_failure() {
    return failure(GetLastError());
}

// The system's proxy configuration as the user set it; systems before Windows 8.1 do not know
// it and get the WinHTTP default instead.
UniqueInternet open_session() {
    UniqueInternet session(WinHttpOpen(L"Tockly", WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                       WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) {
        session.reset(WinHttpOpen(L"Tockly", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                  WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    }
    return session;
}

class Deadline {
  public:
    explicit Deadline(unsigned limit_ms) : end_(GetTickCount64() + limit_ms) {}
    // Gives the next step what is left: name resolution, connecting and sending share it, and
    // receiving may use all of it. False once nothing is left.
    bool apply_to(HINTERNET request) const {
        const ULONGLONG now = GetTickCount64();
        if (now >= end_) return false;
        DWORD left = static_cast<DWORD>(end_ - now);
        // Waiting for the reply's headers has a timeout of its own.
        return WinHttpSetTimeouts(request, left / 3, left / 3, left / 3, left) &&
               WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &left,
                                sizeof left);
    }

  private:
    ULONGLONG end_;
};

}  // namespace

HttpReply Win32Http::get(const std::string& address) {
    const Deadline deadline(kTimeLimitMs);
    const std::wstring url = common::win32::utf16_from_utf8(address);
    URL_COMPONENTS parts = {};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) return last_failure();
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (path.empty()) path = L"/";

    const UniqueInternet session = open_session();
    if (!session) return last_failure();
    const UniqueInternet connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
    if (!connection) return last_failure();
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    const UniqueInternet request(WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), nullptr,
                                                    WINHTTP_NO_REFERER,
                                                    WINHTTP_DEFAULT_ACCEPT_TYPES, secure));
    if (!request) return last_failure();

    if (!deadline.apply_to(request.get())) return failure(ERROR_WINHTTP_TIMEOUT);
    if (!WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                            WINHTTP_NO_REQUEST_DATA, 0, 0, 0)) {
        return last_failure();
    }
    if (!deadline.apply_to(request.get())) return failure(ERROR_WINHTTP_TIMEOUT);
    if (!WinHttpReceiveResponse(request.get(), nullptr)) return last_failure();

    DWORD status = 0;
    DWORD status_size = sizeof status;
    if (!WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &status_size,
                             WINHTTP_NO_HEADER_INDEX)) {
        return last_failure();
    }
    if (status != HTTP_STATUS_OK) {
        return {false, {}, "服务器返回了状态 " + std::to_string(status)};
    }

    HttpReply reply{true, {}, {}};
    char chunk[8192];
    while (reply.body.size() < kBodyLimit) {
        if (!deadline.apply_to(request.get())) return failure(ERROR_WINHTTP_TIMEOUT);
        const DWORD wanted =
            static_cast<DWORD>(std::min<std::size_t>(sizeof chunk, kBodyLimit - reply.body.size()));
        DWORD read = 0;
        if (!WinHttpReadData(request.get(), chunk, wanted, &read)) return last_failure();
        if (read == 0) break;
        reply.body.append(chunk, read);
    }
    return reply;
}

}  // namespace tockly::platform
