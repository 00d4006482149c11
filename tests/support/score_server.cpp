#include "support/score_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

namespace nk::test {
namespace {

constexpr int kPollMs = 50;
constexpr int kReadLimitMs = 2000;

// A listening socket on a free loopback port.
int listenOnLoopback(int& port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(fd, 8) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    if (fd >= 0) close(fd);
    throw std::runtime_error("cannot listen on 127.0.0.1");
  }
  port = ntohs(address.sin_port);
  return fd;
}

ScoreServer::Request parseRequest(const std::string& head) {
  ScoreServer::Request r;
  std::istringstream in(head);
  std::string line, method;
  std::getline(in, line);
  std::istringstream(line) >> method >> r.target;
  while (std::getline(in, line) && line != "\r") {
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    std::string name = line.substr(0, colon);
    std::ranges::transform(name, name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::string value = line.substr(colon + 1);
    value.erase(0, value.find_first_not_of(' '));
    if (!value.empty() && value.back() == '\r') value.pop_back();
    r.headers[name] = value;
  }
  return r;
}

void sendAll(int fd, const std::string& data) {
  for (size_t sent = 0; sent < data.size();) {
    const ssize_t n = send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

}  // namespace

ScoreServer::ScoreServer(std::string versionReply, Mode mode, std::string versionCookie)
    : versionReply_(std::move(versionReply)),
      mode_(mode),
      versionCookie_(std::move(versionCookie)),
      listener_(listenOnLoopback(port_)) {
  thread_ = std::thread([this] { serve(); });
}

ScoreServer::~ScoreServer() {
  stop_ = true;
  thread_.join();
  for (int fd : stalled_) close(fd);
  close(listener_);
}

std::string ScoreServer::url() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::vector<ScoreServer::Request> ScoreServer::requests() const {
  std::lock_guard guard(lock_);
  return requests_;
}

void ScoreServer::serve() {
  while (!stop_) {
    pollfd p{listener_, POLLIN, 0};
    if (poll(&p, 1, kPollMs) <= 0) continue;
    const int connection = accept(listener_, nullptr, nullptr);
    if (connection >= 0) handle(connection);
  }
}

void ScoreServer::handle(int connection) {
  std::string head;
  char buffer[4096];
  while (head.find("\r\n\r\n") == std::string::npos) {
    pollfd p{connection, POLLIN, 0};
    if (poll(&p, 1, kReadLimitMs) <= 0) break;
    const ssize_t n = recv(connection, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    head.append(buffer, static_cast<size_t>(n));
  }
  Request request = parseRequest(head);
  const bool version = request.target.find("?version&") != std::string::npos;
  {
    std::lock_guard guard(lock_);
    requests_.push_back(std::move(request));
  }
  if (mode_ == Mode::Stall) {
    stalled_.push_back(connection);
    return;
  }
  const std::string body = version ? versionReply_ : "OK";
  const std::string status = mode_ == Mode::Fail ? "500 Internal Server Error" : "200 OK";
  const std::string cookie =
      version && !versionCookie_.empty() ? "Set-Cookie: " + versionCookie_ + "; Path=/\r\n" : "";
  sendAll(connection, "HTTP/1.1 " + status + "\r\nContent-Type: text/html\r\n" + cookie + "Content-Length: " +
                          std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
  close(connection);
}

int unusedLoopbackPort() {
  int port = 0;
  close(listenOnLoopback(port));
  return port;
}

}  // namespace nk::test
