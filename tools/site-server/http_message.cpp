#include "tools/site-server/http_message.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>

namespace tockly::site {

namespace {

bool is_token_char(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u)) return true;
    return std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

bool is_token(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), is_token_char);
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The path with its query that a target names: an origin-form one ("/time?x") as it is, an
// absolute-form one ("http://host/time?x", as clients set up for a proxy send) without its
// scheme and host. Empty when the target is neither, or holds a space or a control character.
std::string_view target_path(std::string_view target) {
    if (!std::all_of(target.begin(), target.end(), [](char c) { return c > 0x20 && c < 0x7f; }))
        return {};
    if (target.starts_with('/')) return target;
    const std::size_t scheme_end = target.find("://");
    if (scheme_end == std::string_view::npos) return {};
    const std::string_view scheme = target.substr(0, scheme_end);
    if (!equals_ignoring_case(scheme, "http") && !equals_ignoring_case(scheme, "https")) return {};
    const std::string_view after_scheme = target.substr(scheme_end + 3);
    const std::size_t host_end = after_scheme.find_first_of("/?");
    if (host_end == 0 || after_scheme.empty()) return {};
    if (host_end == std::string_view::npos || after_scheme[host_end] == '?') return "/";
    return after_scheme.substr(host_end);
}

// Field values are visible characters, spaces and tabs; a NUL or a lone CR in one is how
// requests are made to mean different things to different readers.
bool is_field_value(std::string_view value) {
    return std::all_of(value.begin(), value.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return c == '\t' || (u >= 0x20 && u != 0x7f);
    });
}

std::string_view trimmed(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

// Decimal digits only, no sign, and a length a 64-bit count can hold.
bool is_body_length(std::string_view value) {
    std::uint64_t length = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), length);
    return error == std::errc() && end == value.data() + value.size();
}

// Splits off the next line, without its CR LF (or LF).
std::string_view next_line(std::string_view& rest) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

const char* reason(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 400:
            return "Bad Request";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 408:
            return "Request Timeout";
        case 431:
            return "Request Header Fields Too Large";
        case 503:
            return "Service Unavailable";
        default:
            return "Error";
    }
}

}  // namespace

ParsedRequest parse_request_head(std::string_view head) {
    ParsedRequest parsed;
    if (head.size() > kMaxRequestHead) return {431, {}};
    std::string_view rest = head;
    const std::string_view request_line = next_line(rest);
    const std::size_t first_space = request_line.find(' ');
    const std::size_t last_space = request_line.rfind(' ');
    if (first_space == std::string_view::npos || first_space == last_space) return {400, {}};
    const std::string_view method = request_line.substr(0, first_space);
    const std::string_view target =
        request_line.substr(first_space + 1, last_space - first_space - 1);
    const std::string_view version = request_line.substr(last_space + 1);
    const std::string_view path = target_path(target);
    if (!is_token(method) || path.empty()) return {400, {}};
    if (version == "HTTP/1.1") {
        parsed.head.minor_version = 1;
    } else if (version == "HTTP/1.0") {
        parsed.head.minor_version = 0;
    } else {
        return {400, {}};
    }

    bool has_host = false, has_length = false, has_transfer_encoding = false;
    while (!rest.empty()) {
        const std::string_view field = next_line(rest);
        if (field.empty()) break;
        const std::size_t colon = field.find(':');
        // A field name is a token right up to its colon; obsolete line folding is refused.
        if (colon == std::string_view::npos || !is_token(field.substr(0, colon))) return {400, {}};
        const std::string_view name = field.substr(0, colon);
        const std::string_view value = trimmed(field.substr(colon + 1));
        if (!is_field_value(value)) return {400, {}};
        if (equals_ignoring_case(name, "Host")) {
            if (has_host) return {400, {}};
            has_host = true;
        } else if (equals_ignoring_case(name, "Content-Length")) {
            if (has_length || !is_body_length(value)) return {400, {}};
            has_length = true;
        } else if (equals_ignoring_case(name, "Transfer-Encoding")) {
            has_transfer_encoding = true;
        }
    }
    // HTTP/1.1 requires exactly one Host field.
    if (parsed.head.minor_version == 1 && !has_host) return {400, {}};
    // A body framed both ways ends where one reader thinks and not where another does.
    if (has_length && has_transfer_encoding) return {400, {}};

    parsed.head.method = std::string(method);
    const std::size_t question = path.find('?');
    parsed.head.path = std::string(path.substr(0, question));
    if (question != std::string_view::npos)
        parsed.head.query = std::string(path.substr(question + 1));
    return parsed;
}

std::string serialize(const Response& response, bool head_only) {
    std::string text =
        "HTTP/1.1 " + std::to_string(response.status) + " " + reason(response.status) + "\r\n";
    text += "Content-Type: " + response.content_type + "\r\n";
    text += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
    // Every answer is made when asked; a cached time would set a clock wrong.
    text += "Cache-Control: no-store\r\n";
    if (response.status == 405) text += "Allow: GET, HEAD\r\n";
    text += "Connection: close\r\n\r\n";
    if (!head_only) text += response.body;
    return text;
}

Response error_response(int status) {
    return {status, "text/plain; charset=utf-8",
            std::to_string(status) + " " + reason(status) + "\n"};
}

}  // namespace tockly::site
