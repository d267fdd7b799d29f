// The network side of the version file's HTTP exchange: POSIX sockets, every wait bounded.
#include "platform/http_get.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace vecrast {

namespace {

using Clock = std::chrono::steady_clock;

// The reply is read into one buffer of this size; what comes after it is never read.
constexpr size_t kReceiveLimit = 2048;

struct SocketAddress {
  sockaddr_storage storage{};
  socklen_t length = 0;
};

class Socket {
 public:
  explicit Socket(int fd = -1) : fd_(fd) {}
  ~Socket() {
    if (fd_ >= 0) ::close(fd_);
  }
  Socket(Socket&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  Socket& operator=(Socket&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  int fd() const { return fd_; }

 private:
  int fd_;
};

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left <= 0 ? 0 : static_cast<int>(left);
}

// Waits until `fd` is ready for `events` (or has failed). False when the deadline passes first.
bool WaitUntilReady(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, MillisecondsLeft(deadline));
    if (ready > 0) return true;
    if (ready == 0 || errno != EINTR) return false;
  }
}

std::vector<SocketAddress> LookUp(const std::string& host, int port, int flags) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = flags | AI_NUMERICSERV;
  addrinfo* list = nullptr;
  std::vector<SocketAddress> addresses;
  if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list) != 0) return addresses;
  for (const addrinfo* entry = list; entry != nullptr; entry = entry->ai_next) {
    if (entry->ai_addrlen > sizeof(sockaddr_storage)) continue;
    SocketAddress address;
    std::memcpy(&address.storage, entry->ai_addr, entry->ai_addrlen);
    address.length = entry->ai_addrlen;
    addresses.push_back(address);
  }
  ::freeaddrinfo(list);
  return addresses;
}

// A name lookup that its caller may stop waiting for: it runs on a thread of its own, and
// the state it fills outlives the caller when the caller gives up.
struct PendingLookup {
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  std::vector<SocketAddress> addresses;
};

// The host's addresses, or none when the lookup fails or does not end before the deadline
// (the resolver's own time-outs can be far longer than the connect may take).
std::vector<SocketAddress> Resolve(const std::string& host, int port, Clock::time_point deadline) {
  std::vector<SocketAddress> numeric = LookUp(host, port, AI_NUMERICHOST);
  if (!numeric.empty()) return numeric;
  auto lookup = std::make_shared<PendingLookup>();
  try {
    std::thread([lookup, host, port] {
      std::vector<SocketAddress> found = LookUp(host, port, 0);
      std::lock_guard<std::mutex> lock(lookup->mutex);
      lookup->addresses = std::move(found);
      lookup->done = true;
      lookup->finished.notify_all();
    }).detach();
  } catch (const std::system_error&) {
    return {};
  }
  std::unique_lock<std::mutex> lock(lookup->mutex);
  if (!lookup->finished.wait_until(lock, deadline, [&] { return lookup->done; })) return {};
  return std::move(lookup->addresses);
}

Socket ConnectTo(const SocketAddress& address, Clock::time_point deadline) {
  Socket socket(::socket(address.storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (socket.fd() < 0) return Socket();
  if (::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&address.storage), address.length) == 0) return socket;
  if (errno != EINPROGRESS || !WaitUntilReady(socket.fd(), POLLOUT, deadline)) return Socket();
  int error = 0;
  socklen_t length = sizeof error;
  if (::getsockopt(socket.fd(), SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) return Socket();
  return socket;
}

Socket Connect(const HttpTarget& target, Clock::time_point deadline) {
  for (const SocketAddress& address : Resolve(target.host, target.port, deadline)) {
    Socket socket = ConnectTo(address, deadline);
    if (socket.fd() >= 0) return socket;
  }
  return Socket();
}

bool SendAll(int fd, const std::string& text, Clock::time_point deadline) {
  size_t sent = 0;
  while (sent < text.size()) {
    const ssize_t n = ::send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<size_t>(n);
      continue;
    }
    const bool retry = n < 0 && (errno == EINTR || (errno == EAGAIN && WaitUntilReady(fd, POLLOUT, deadline)));
    if (!retry) return false;
  }
  return true;
}

// Reads until the server ends the reply, an error ends the connection or the buffer is full.
// False when the deadline passes first: a reply cut short by time is no reply.
bool ReceiveReply(int fd, Clock::time_point deadline, std::string& reply) {
  char buffer[kReceiveLimit];
  while (reply.size() < kReceiveLimit) {
    if (!WaitUntilReady(fd, POLLIN, deadline)) return false;
    const ssize_t n = ::recv(fd, buffer, kReceiveLimit - reply.size(), 0);
    if (n > 0) {
      reply.append(buffer, static_cast<size_t>(n));
    } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
      return true;
    }
  }
  return true;
}

}  // namespace

std::string HttpGetText(const std::string& url, const std::string& userAgent, const HttpTimeouts& timeouts) {
  HttpTarget target;
  if (!SplitHttpAddress(url, target)) return {};
  const Socket socket = Connect(target, Clock::now() + std::chrono::milliseconds(timeouts.connectMs));
  if (socket.fd() < 0) return {};
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeouts.responseMs);
  std::string reply;
  if (!SendAll(socket.fd(), HttpRequestText(target, userAgent), deadline)) return {};
  if (!ReceiveReply(socket.fd(), deadline, reply)) return {};
  return VersionTextOfResponse(reply);
}

}  // namespace vecrast
