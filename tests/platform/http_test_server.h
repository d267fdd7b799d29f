// A small HTTP server on the loopback address for the update check's tests: it accepts
// connections on a port of its own, records each request and answers as the test asks.
#pragma once

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vecrast::testing {

struct ServerBehaviour {
  std::string reply;             // sent after the request has arrived, then the connection closes
  bool neverAnswer = false;      // keep the connection open and send nothing
  int dripIntervalMs = 0;        // above 0: send the reply one byte at a time, this far apart
};

class LoopbackHttpServer {
 public:
  explicit LoopbackHttpServer(ServerBehaviour behaviour) : behaviour_(std::move(behaviour)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && ::listen(listener_, 8) == 0 &&
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
      port_ = ntohs(address.sin_port);
    }
    thread_ = std::thread([this] { Serve(); });
  }
  ~LoopbackHttpServer() {
    stop_ = true;
    thread_.join();
    ::close(listener_);
  }
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  int Port() const { return port_; }
  std::string Url(const std::string& path = "/files/vecrast.dat") const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  // The requests received so far, each as its bytes up to and including the empty line.
  std::vector<std::string> Requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }

 private:
  bool WaitFor(int fd, short events) const {
    while (!stop_) {
      pollfd entry{fd, events, 0};
      if (::poll(&entry, 1, 20) > 0) return true;
    }
    return false;
  }

  void Serve() {
    while (WaitFor(listener_, POLLIN)) {
      const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (connection < 0) continue;
      Answer(connection);
      ::close(connection);
    }
  }

  void Answer(int connection) {
    std::string request;
    char buffer[512];
    while (request.find("\r\n\r\n") == std::string::npos && WaitFor(connection, POLLIN)) {
      const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      request.append(buffer, static_cast<size_t>(n));
    }
    {
      std::lock_guard<std::mutex> lock(mutex_);
      requests_.push_back(request);
    }
    if (behaviour_.neverAnswer) {
      while (!stop_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
      return;
    }
    if (behaviour_.dripIntervalMs <= 0) {
      ::send(connection, behaviour_.reply.data(), behaviour_.reply.size(), MSG_NOSIGNAL);
      return;
    }
    for (char byte : behaviour_.reply) {
      if (stop_ || ::send(connection, &byte, 1, MSG_NOSIGNAL) != 1) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(behaviour_.dripIntervalMs));
    }
  }

  ServerBehaviour behaviour_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A loopback port on which nothing listens: connecting to it is refused.
inline int RefusingPort() {
  const int probe = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(probe);
  return ntohs(address.sin_port);
}

// An HTTP reply with status `status` and `body`.
inline std::string HttpReply(const std::string& body, const std::string& status = "200 OK") {
  return "HTTP/1.0 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\n\r\n" + body;
}

}  // namespace vecrast::testing
