// A plain HTTP/1.0 GET over a TCP connection, built by hand: enough to fetch the few bytes of
// the version file that the update check compares with the program's own version.
#pragma once

#include <string>

namespace vecrast {

// The parts of an address that the request needs.
struct HttpTarget {
  std::string host;  // the site part, without port (an IPv6 literal without its brackets)
  int port = 80;     // the address's port, 80 when it names none
  std::string path;  // "/" and the path part, without query or fragment
};

// Splits "[scheme://]host[:port][/path][?query][#fragment]". False for an empty host, a port
// that is not a number from 1 to 65535, or any blank or control character in the address.
bool SplitHttpAddress(const std::string& url, HttpTarget& target);

// The request: "GET <path> HTTP/1.0", "Host: <host>", "Accept: */*", "User-Agent: <agent>",
// "Connection: close", each ended by CR LF, and an empty line.
std::string HttpRequestText(const HttpTarget& target, const std::string& userAgent);

// The body's first three characters from a whole response as received: the part after the
// header's empty line up to the next empty line, blanks and line ends trimmed. "" when the
// response has no header end or its status line reports anything but success (2xx).
std::string VersionTextOfResponse(const std::string& response);

// How long the exchange may take, in milliseconds.
struct HttpTimeouts {
  int connectMs = 5000;    // name lookup and TCP connect together
  int responseMs = 10000;  // from the request sent to the end of the response
};

// Fetches `url` and returns VersionTextOfResponse of at most the first 2048 bytes of the
// reply; "" on any failure (bad address, unknown host, refused or timed-out connection, no
// complete response in time). Blocks for at most the two time-outs together.
std::string HttpGetText(const std::string& url, const std::string& userAgent, const HttpTimeouts& timeouts = {});

}  // namespace vecrast
