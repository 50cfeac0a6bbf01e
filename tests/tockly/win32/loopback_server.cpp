#include "tests/tockly/win32/loopback_server.h"

#include <ws2tcpip.h>

namespace tockly::platform::test {

namespace {

SOCKET listen_on_loopback(int& port) {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!started) return INVALID_SOCKET;
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 1) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        closesocket(listener);
        return INVALID_SOCKET;
    }
    port = ntohs(address.sin_port);
    return listener;
}

}  // namespace

LoopbackServer::LoopbackServer(std::string reply) : reply_(std::move(reply)) {
    listener_ = listen_on_loopback(port_);
    thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
    // Ends a wait for a client that never came, or for one that keeps its connection open.
    closesocket(listener_);
    closesocket(client_.exchange(INVALID_SOCKET));
    thread_.join();
}

int LoopbackServer::unused_port() {
    int port = 0;
    closesocket(listen_on_loopback(port));
    return port;
}

void LoopbackServer::serve() {
    const SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    client_ = client;
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        request.append(buffer, got);
    }
    if (reply_.empty()) {
        // Silent: wait until the client closes the connection.
        while (recv(client, buffer, sizeof buffer, 0) > 0) {
        }
    } else {
        for (std::size_t sent = 0; sent < reply_.size();) {
            const int chunk = static_cast<int>(std::min<std::size_t>(reply_.size() - sent, 65536));
            const int put = send(client, reply_.data() + sent, chunk, 0);
            if (put <= 0) break;  // the client has read all it wanted
            sent += static_cast<std::size_t>(put);
        }
        shutdown(client, SD_SEND);
    }
    closesocket(client_.exchange(INVALID_SOCKET));
}

}  // namespace tockly::platform::test
