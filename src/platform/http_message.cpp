// The text side of the version file's HTTP exchange: the address, the request, the reply.
#include <charconv>
#include <string_view>

#include "platform/http_get.h"

namespace vecrast {

namespace {

bool HasBlankOrControl(std::string_view text) {
  for (unsigned char c : text) {
    if (c <= 0x20 || c == 0x7f) return true;
  }
  return false;
}

// "" gives the default port; anything but a number from 1 to 65535 fails.
bool ReadPort(std::string_view text, int& port) {
  if (text.empty()) return true;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 65535) return false;
  port = value;
  return true;
}

// Splits "host", "host:port", "[v6]" or "[v6]:port".
bool SplitAuthority(std::string_view authority, HttpTarget& target) {
  const size_t userEnd = authority.rfind('@');
  if (userEnd != std::string_view::npos) authority.remove_prefix(userEnd + 1);
  std::string_view portText;
  if (!authority.empty() && authority.front() == '[') {
    const size_t close = authority.find(']');
    if (close == std::string_view::npos) return false;
    target.host = std::string(authority.substr(1, close - 1));
    const std::string_view after = authority.substr(close + 1);
    if (!after.empty() && after.front() != ':') return false;
    if (!after.empty()) portText = after.substr(1);
  } else {
    const size_t colon = authority.find(':');
    target.host = std::string(authority.substr(0, colon));
    if (colon != std::string_view::npos) portText = authority.substr(colon + 1);
  }
  target.port = 80;
  return !target.host.empty() && ReadPort(portText, target.port);
}

// Success unless a status line says otherwise: a reply without one is judged by its body alone.
bool ReportsSuccess(std::string_view response) {
  if (response.substr(0, 5) != "HTTP/") return true;
  const size_t space = response.find(' ');
  if (space == std::string_view::npos || space + 3 >= response.size()) return false;
  return response[space + 1] == '2' && response[space + 2] >= '0' && response[space + 2] <= '9' &&
         response[space + 3] >= '0' && response[space + 3] <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

bool SplitHttpAddress(const std::string& url, HttpTarget& target) {
  std::string_view rest = url;
  if (rest.empty() || HasBlankOrControl(rest)) return false;
  const size_t scheme = rest.find("://");
  if (scheme != std::string_view::npos) rest.remove_prefix(scheme + 3);
  const size_t authorityEnd = rest.find_first_of("/?#");
  if (!SplitAuthority(rest.substr(0, authorityEnd), target)) return false;
  rest = authorityEnd == std::string_view::npos ? std::string_view() : rest.substr(authorityEnd);
  rest = rest.substr(0, rest.find_first_of("?#"));
  if (!rest.empty() && rest.front() == '/') rest.remove_prefix(1);
  target.path = "/" + std::string(rest);
  return true;
}

std::string HttpRequestText(const HttpTarget& target, const std::string& userAgent) {
  return "GET " + target.path + " HTTP/1.0\r\n" + "Host: " + target.host + "\r\n" + "Accept: */*\r\n" +
         "User-Agent: " + userAgent + "\r\n" + "Connection: close\r\n" + "\r\n";
}

std::string VersionTextOfResponse(const std::string& response) {
  const std::string_view text = std::string_view(response).substr(0, response.find('\0'));
  if (!ReportsSuccess(text)) return {};
  const size_t headerEnd = text.find("\r\n\r\n");
  if (headerEnd == std::string_view::npos) return {};
  std::string_view body = text.substr(headerEnd + 4);
  body = body.substr(0, body.find("\r\n\r\n"));
  return std::string(TrimBlanks(body).substr(0, 3));
}

}  // namespace vecrast
