#pragma once

// A small HTTP/1.1 server for the site's pages: one thread, one poll loop over non-blocking
// sockets, one request per connection. A slow or silent client holds only its own socket, and
// the pages are answered from memory, so nothing else ever waits for it.

#include <functional>
#include <stdexcept>
#include <string>

#include "tools/site-server/http_message.h"

namespace tockly::site {

class ServerError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct ServerOptions {
    std::string address = "127.0.0.1";  // IPv4 or IPv6 literal
    int port = 8080;                    // 0 picks a free port
    // A client that has not sent its whole request head by then is dropped (408 if it began).
    int read_timeout_ms = 5000;
    // A new connection beyond either limit closes the connection that has been idle longest
    // (among that client's own, for the second), so silent clients cannot lock others out.
    std::size_t max_connections = 1000;
    // A client is one IPv4 address or one IPv6 /64, what a single host or household has. 64
    // leaves room for an office of Tockly clients behind one NAT address all setting their
    // clocks at once, while one client can hold no more than a sixteenth of the connections.
    std::size_t max_connections_per_client = 64;
};

class SiteServer {
  public:
    using Handler = std::function<Response(const RequestHead&)>;

    // Binds and listens; throws ServerError with the reason when it cannot.
    SiteServer(const ServerOptions& options, Handler handler);
    ~SiteServer();
    SiteServer(const SiteServer&) = delete;
    SiteServer& operator=(const SiteServer&) = delete;

    int port() const { return port_; }
    // Serves until stop(); open connections are closed on the way out.
    void serve();
    // Safe from any thread and from a signal handler.
    void stop();

  private:
    ServerOptions options_;
    Handler handler_;
    int listener_ = -1;
    int wake_[2] = {-1, -1};  // stop() writes to [1]; the loop polls [0]
    int port_ = 0;
};

}  // namespace tockly::site
