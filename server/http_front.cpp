#include "server/http_front.h"

#include <httplib.h>

#include <mutex>
#include <stdexcept>

#include "server/ranking.h"
#include "server/score_service.h"

namespace nk::scores {
namespace {

// Enough threads that a few slow clients do not hold up the rest; each waits at most
// kReadSeconds for a request.
constexpr size_t kThreads = 16;
constexpr time_t kReadSeconds = 5;
// Short, so that a stop is not held up long by idle kept-alive connections.
constexpr time_t kKeepAliveSeconds = 2;
constexpr size_t kMaxLoggedTarget = 200;
constexpr size_t kMaxClientLength = 64;

// What a log line shows of a request: printable ASCII, cut short.
std::string loggable(std::string_view text, size_t limit) {
  std::string out;
  for (char c : text.substr(0, limit)) out += c >= 0x20 && c < 0x7F ? c : '?';
  if (text.size() > limit) out += "...";
  return out;
}

// What the handler learnt for the log line written next on the same thread; a request refused
// before it reached the handler leaves it empty.
struct LogExtras {
  std::string client, note;
};
thread_local LogExtras forLog;

}  // namespace

HttpFront::HttpFront(ScoreService& service, std::string clientHeader, std::ostream& log)
    : server_(std::make_unique<httplib::Server>()) {
  server_->new_task_queue = [] { return new httplib::ThreadPool(kThreads); };  // the library owns it
  server_->set_read_timeout(kReadSeconds, 0);
  server_->set_write_timeout(kReadSeconds, 0);
  server_->set_keep_alive_timeout(kKeepAliveSeconds);
  // A reply goes out in more than one write: without this, Nagle's algorithm holds its end back
  // for the client's delayed acknowledgement, some 40 ms on every kept-alive request.
  server_->set_tcp_nodelay(true);
  server_->set_default_headers({{"X-Content-Type-Options", "nosniff"}});
  // Address reuse lets a restarted server bind at once; unlike the library's default, no port
  // sharing, so a second server on a busy port fails instead of quietly taking half the traffic.
  server_->set_socket_options([](socket_t socket) {
    const int yes = 1;
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });

  server_->set_pre_routing_handler([&service, clientHeader](const httplib::Request& request,
                                                            httplib::Response& response) {
    std::string client = request.remote_addr;
    if (!clientHeader.empty() && request.has_header(clientHeader))
      client = loggable(request.get_header_value(clientHeader), kMaxClientLength);
    // Nothing here takes a body; one is refused unread, with the connection.
    const std::string length = request.get_header_value("Content-Length");
    const bool body = (!length.empty() && length != "0") || request.has_header("Transfer-Encoding");
    HttpReply reply = request.method != "GET" && request.method != "HEAD"
                          ? HttpReply{405, kPlainText, "GET only\n", {{"Allow", "GET, HEAD"}}, {}}
                      : body ? HttpReply{413, kPlainText, "no body expected\n", {{"Connection", "close"}}, {}}
                             : service.handle(request.target, client);
    response.status = reply.status;
    for (const auto& [name, value] : reply.headers) response.set_header(name, value);
    response.set_content(std::move(reply.body), reply.contentType);
    forLog = {std::move(client), std::move(reply.note)};
    return httplib::Server::HandlerResponse::Handled;
  });
  server_->set_logger([&log](const httplib::Request& request, const httplib::Response& response) {
    static std::mutex lock;
    const std::string client = forLog.client.empty() ? request.remote_addr : forLog.client;
    std::string line = isoTime(ScoreService::systemSeconds()) + " " + client + " " +
                       loggable(request.method, 8) + " " + loggable(request.target, kMaxLoggedTarget) + " " +
                       std::to_string(response.status);
    if (!forLog.note.empty()) line += " (" + forLog.note + ")";
    forLog = {};
    std::lock_guard guard(lock);
    log << line << std::endl;
  });
}

HttpFront::~HttpFront() = default;

int HttpFront::bind(const std::string& host, int port) {
  const int bound =
      port == 0 ? server_->bind_to_any_port(host) : (server_->bind_to_port(host, port) ? port : -1);
  if (bound <= 0) throw std::runtime_error("cannot listen on " + host + ":" + std::to_string(port));
  return bound;
}

void HttpFront::run() { server_->listen_after_bind(); }
void HttpFront::stop() { server_->stop(); }

}  // namespace nk::scores
