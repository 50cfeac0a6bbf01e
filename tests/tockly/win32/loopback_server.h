#pragma once

#include <winsock2.h>

#include <atomic>
#include <string>
#include <thread>

namespace tockly::platform::test {

// A one-connection HTTP server on 127.0.0.1 for the transfer tests: it reads the request and
// sends `reply` as it is (any bytes, not necessarily HTTP), or, when `reply` is empty, keeps
// the connection open without a word until the client gives up.
class LoopbackServer {
  public:
    explicit LoopbackServer(std::string reply);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::string address() const { return "http://127.0.0.1:" + std::to_string(port_) + "/time"; }
    // A port on which nothing listens.
    static int unused_port();

  private:
    void serve();

    std::string reply_;
    SOCKET listener_ = INVALID_SOCKET;
    std::atomic<SOCKET> client_{INVALID_SOCKET};
    int port_ = 0;
    std::thread thread_;
};

}  // namespace tockly::platform::test
