#pragma once

// The little of HTTP/1.x the site needs: the head of a request read from a client, and a
// complete response with its length, sent once before the connection closes.

#include <string>
#include <string_view>

namespace tockly::site {

// A request head larger than this is refused; a browser's GET is a few hundred bytes.
inline constexpr std::size_t kMaxRequestHead = 8192;

struct RequestHead {
    std::string method;
    std::string path;  // without the query
    int minor_version = 1;
    std::string query = {};  // what follows the first "?", empty when there is none
};

struct ParsedRequest {
    int status = 0;  // 0 when the head is well-formed, otherwise the error status to answer
    RequestHead head;
};

// Parses everything before the blank line: request line and header fields, each ending in
// CR LF (a bare LF is accepted, as most servers do). The target may be a path or a whole
// http(s) URL; a body the fields frame doubtfully makes the head malformed.
ParsedRequest parse_request_head(std::string_view head);

struct Response {
    int status = 200;
    std::string content_type;
    std::string body;
};

// Status line, headers and body; `head_only` leaves the body out (the answer to HEAD).
std::string serialize(const Response& response, bool head_only);

// An error answer with a short plain-text body.
Response error_response(int status);

}  // namespace tockly::site
