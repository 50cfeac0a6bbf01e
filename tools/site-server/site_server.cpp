#include "tools/site-server/site_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <list>
#include <vector>

namespace tockly::site {

namespace {

using Clock = std::chrono::steady_clock;

// After the answer, the client gets this long to close its side, so that closing ours never
// resets the connection before the answer has arrived.
constexpr auto kLinger = std::chrono::milliseconds(1000);

// An accept that fails for want of descriptors or memory leaves the connection waiting and the
// listener readable: polling it again at once would only spin, so it rests this long.
constexpr auto kAcceptBackOff = std::chrono::milliseconds(100);

std::string system_error(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

// Where the head ends: after its blank line (CR LF CR LF, or bare LF LF); npos before that.
std::size_t head_end(const std::string& text) {
    const std::size_t crlf = text.find("\r\n\r\n");
    const std::size_t lf = text.find("\n\n");
    return std::min(crlf == std::string::npos ? std::string::npos : crlf + 4,
                    lf == std::string::npos ? std::string::npos : lf + 2);
}

// Whom a connection counts against for the per-client limit: an IPv4 address, or the /64 of an
// IPv6 one, since a single IPv6 host usually has a whole /64 to pick addresses from.
std::string client_of(const sockaddr_storage& peer) {
    if (peer.ss_family == AF_INET) {
        const in_addr& address = reinterpret_cast<const sockaddr_in&>(peer).sin_addr;
        return std::string(reinterpret_cast<const char*>(&address), sizeof address);
    }
    const in6_addr& address = reinterpret_cast<const sockaddr_in6&>(peer).sin6_addr;
    const char* bytes = reinterpret_cast<const char*>(address.s6_addr);
    // An IPv4 client on a dual-stack listener is the same client as over IPv4.
    if (IN6_IS_ADDR_V4MAPPED(&address)) return std::string(bytes + 12, 4);
    return std::string(bytes, 8);
}

struct Connection {
    enum class Stage { reading, writing, lingering } stage = Stage::reading;
    int socket = -1;
    std::string input;
    std::string output;
    std::size_t sent = 0;
    std::string client;
    Clock::time_point last_active;  // accepted, or last bytes read or written
    Clock::time_point deadline;
};

class Loop {
  public:
    Loop(int listener, int wake, const ServerOptions& options, const SiteServer::Handler& handler)
        : listener_(listener), wake_(wake), options_(options), handler_(handler) {}
    ~Loop() {
        for (Connection& c : connections_) ::close(c.socket);
    }

    void run() {
        std::vector<pollfd> polled;
        while (true) {
            const bool listening = Clock::now() >= listener_rests_until_;
            polled.assign({{wake_, POLLIN, 0}, {listening ? listener_ : -1, POLLIN, 0}});
            for (const Connection& c : connections_) {
                const short wanted = c.stage == Connection::Stage::writing ? POLLOUT : POLLIN;
                polled.push_back({c.socket, wanted, 0});
            }
            if (::poll(polled.data(), polled.size(), next_timeout_ms()) < 0 && errno != EINTR)
                return;
            if (polled[0].revents != 0) return;
            auto it = connections_.begin();
            for (std::size_t i = 2; i < polled.size(); ++i) {
                const auto next = std::next(it);
                if (!step(*it, polled[i].revents)) {
                    ::close(it->socket);
                    connections_.erase(it);
                }
                it = next;
            }
            // After the step above, so that making room cannot close a connection it still
            // has a poll result for.
            if (polled[1].revents & POLLIN) accept_all();
        }
    }

  private:
    int next_timeout_ms() const {
        const auto now = Clock::now();
        auto soonest =
            now < listener_rests_until_ ? listener_rests_until_ : Clock::time_point::max();
        for (const Connection& c : connections_) soonest = std::min(soonest, c.deadline);
        if (soonest == Clock::time_point::max()) return -1;
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(soonest - now);
        return static_cast<int>(std::clamp<long long>(wait.count() + 1, 0, 60000));
    }

    // Bounded, so that a flood of connections cannot keep the loop from the others.
    void accept_all() {
        for (std::size_t i = 0; i < options_.max_connections; ++i) {
            sockaddr_storage peer{};
            socklen_t length = sizeof peer;
            const int s = ::accept4(listener_, reinterpret_cast<sockaddr*>(&peer), &length,
                                    SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (s < 0) {
                if (errno == EINTR || errno == ECONNABORTED) continue;
                if (errno != EAGAIN && errno != EWOULDBLOCK)
                    listener_rests_until_ = Clock::now() + kAcceptBackOff;
                return;
            }
            Connection c;
            c.socket = s;
            c.client = client_of(peer);
            make_room_for(c.client);
            c.last_active = Clock::now();
            c.deadline = c.last_active + std::chrono::milliseconds(options_.read_timeout_ms);
            connections_.push_back(std::move(c));
        }
    }

    // A client at its limit of unanswered connections loses its own one idle longest; below
    // it, a full server loses the one idle longest of all. The newcomer is the likeliest to be a
    // real request.
    void make_room_for(const std::string& client) {
        const auto none = connections_.end();
        auto idlest = none, idlest_of_client = none;
        std::size_t of_client = 0;
        const auto keep_idler = [none](auto& kept, auto it) {
            if (kept == none || it->last_active < kept->last_active) kept = it;
        };
        for (auto it = connections_.begin(); it != none; ++it) {
            keep_idler(idlest, it);
            // Answered connections only wait for the client's close: they hold up no one.
            if (it->client == client && it->stage == Connection::Stage::reading) {
                ++of_client;
                keep_idler(idlest_of_client, it);
            }
        }
        const auto victim = of_client >= options_.max_connections_per_client  ? idlest_of_client
                            : connections_.size() >= options_.max_connections ? idlest
                                                                              : none;
        if (victim == none) return;
        ::close(victim->socket);
        connections_.erase(victim);
    }

    void answer(Connection& c, const std::string& bytes) {
        c.output = bytes;
        c.stage = Connection::Stage::writing;
        c.deadline = Clock::now() + std::chrono::milliseconds(options_.read_timeout_ms);
    }

    void answer_head(Connection& c) {
        const ParsedRequest request = parse_request_head(c.input);
        if (request.status != 0) {
            answer(c, serialize(error_response(request.status), false));
        } else {
            answer(c, serialize(handler_(request.head), request.head.method == "HEAD"));
        }
    }

    // One poll result for one connection; false when it is finished with.
    bool step(Connection& c, short events) {
        const bool late = Clock::now() >= c.deadline;
        switch (c.stage) {
            case Connection::Stage::reading:
                if (events & (POLLIN | POLLHUP | POLLERR)) {
                    char buffer[4096];
                    const ssize_t n = ::recv(c.socket, buffer, sizeof buffer, 0);
                    if (n > 0) {
                        c.last_active = Clock::now();
                        c.input.append(buffer, static_cast<std::size_t>(n));
                        if (const std::size_t end = head_end(c.input); end != std::string::npos) {
                            c.input.resize(end);
                            answer_head(c);
                        } else if (c.input.size() > kMaxRequestHead) {
                            answer(c, serialize(error_response(431), false));
                        }
                        return true;
                    }
                    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return true;
                    // Closed mid-head: the truncated request gets its answer if it can be sent.
                    if (c.input.empty()) return false;
                    answer(c, serialize(error_response(400), false));
                    return true;
                }
                if (late) {
                    if (c.input.empty()) return false;
                    answer(c, serialize(error_response(408), false));
                }
                return true;
            case Connection::Stage::writing:
                if (events & (POLLOUT | POLLHUP | POLLERR)) {
                    const ssize_t n = ::send(c.socket, c.output.data() + c.sent,
                                             c.output.size() - c.sent, MSG_NOSIGNAL);
                    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return true;
                    if (n <= 0) return false;
                    c.sent += static_cast<std::size_t>(n);
                    c.last_active = Clock::now();
                    if (c.sent == c.output.size()) {
                        ::shutdown(c.socket, SHUT_WR);
                        c.stage = Connection::Stage::lingering;
                        c.deadline = Clock::now() + kLinger;
                    }
                    return true;
                }
                return !late;
            case Connection::Stage::lingering:
                if (events & (POLLIN | POLLHUP | POLLERR)) {
                    char buffer[4096];
                    const ssize_t n = ::recv(c.socket, buffer, sizeof buffer, 0);
                    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return false;
                }
                return !late;
        }
        return false;
    }

    int listener_;
    int wake_;
    const ServerOptions& options_;
    const SiteServer::Handler& handler_;
    std::list<Connection> connections_;
    Clock::time_point listener_rests_until_;
};

}  // namespace

SiteServer::SiteServer(const ServerOptions& options, Handler handler)
    : options_(options), handler_(std::move(handler)) {
    if (options.port < 0 || options.port > 65535) throw ServerError("port out of range");
    sockaddr_storage address{};
    socklen_t length = 0;
    auto* v4 = reinterpret_cast<sockaddr_in*>(&address);
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&address);
    if (::inet_pton(AF_INET, options.address.c_str(), &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        v4->sin_port = htons(static_cast<uint16_t>(options.port));
        length = sizeof *v4;
    } else if (::inet_pton(AF_INET6, options.address.c_str(), &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(static_cast<uint16_t>(options.port));
        length = sizeof *v6;
    } else {
        throw ServerError("not an IP address: " + options.address);
    }
    listener_ = ::socket(address.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener_ < 0) throw ServerError(system_error("socket"));
    const int on = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listener_, SOMAXCONN) != 0 || ::pipe2(wake_, O_NONBLOCK | O_CLOEXEC) != 0) {
        const std::string reason =
            system_error(options.address + " port " + std::to_string(options.port));
        ::close(listener_);
        throw ServerError(reason);
    }
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.ss_family == AF_INET ? v4->sin_port : v6->sin6_port);
}

SiteServer::~SiteServer() {
    ::close(listener_);
    ::close(wake_[0]);
    ::close(wake_[1]);
}

void SiteServer::serve() {
    Loop(listener_, wake_[0], options_, handler_).run();
}

void SiteServer::stop() {
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(wake_[1], &byte, 1);
}

}  // namespace tockly::site
