#pragma once
#include <memory>
#include <ostream>
#include <string>

namespace httplib {
class Server;
}

namespace nk::scores {

class ScoreService;

// The service over HTTP: bounded requests, GET and HEAD only, one log line per request.
class HttpFront {
 public:
  // clientHeader: when not empty, the header a proxy in front puts the client's address in.
  HttpFront(ScoreService& service, std::string clientHeader, std::ostream& log);
  ~HttpFront();
  HttpFront(const HttpFront&) = delete;
  HttpFront& operator=(const HttpFront&) = delete;

  // The port bound (a free one for port 0); throws std::runtime_error when it cannot bind.
  int bind(const std::string& host, int port);
  // Serves until stop(), from any thread; requests under way are finished first.
  void run();
  void stop();

 private:
  std::unique_ptr<httplib::Server> server_;
};

}  // namespace nk::scores
