#pragma once
#include <chrono>
#include <memory>
#include <string>

namespace nk {

// The answer to a GET: the body as 8-bit text, or why there is none.
struct HttpReply {
  bool ok = false;
  std::string body;   // empty unless ok
  std::string error;  // set unless ok
};

// Plain HTTP GET with the game's fixed request headers.
class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // Fails on any transport error and on an HTTP error status.
  virtual HttpReply get(const std::string& url) = 0;
};

// Over libcurl. A server that does not connect within the time-out, or that stops sending for that
// long, fails the request instead of holding the game.
std::unique_ptr<HttpClient> makeCurlHttpClient(std::chrono::seconds timeout = std::chrono::seconds(10));

}  // namespace nk
