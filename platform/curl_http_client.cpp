#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "platform/http_client.h"

namespace nk {
namespace {

// Far more than any reply of the score server; a longer one fails the request.
constexpr size_t kLongestBody = 1 << 20;

size_t appendBody(char* data, size_t size, size_t count, void* out) {
  auto& body = *static_cast<std::string*>(out);
  if (size * count > kLongestBody - body.size()) return 0;
  body.append(data, size * count);
  return size * count;
}

struct CurlDeleter {
  void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct HeaderListDeleter {
  void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

// One handle for the client's life: its cookie store (in memory) carries a cookie the version
// reply sets on to the report, as a browser does, and its connections are reused.
class CurlHttpClient final : public HttpClient {
 public:
  explicit CurlHttpClient(std::chrono::seconds timeout) : timeout_(static_cast<long>(timeout.count())) {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    curl_.reset(curl_easy_init());
    if (!curl_) return;
    curl_slist* list = nullptr;
    for (const char* h : {"Content-Type: text/html", "Accept: text/html, */*"}) {
      if (curl_slist* grown = curl_slist_append(list, h)) list = grown;
    }
    headers_.reset(list);
    CURL* c = curl_.get();
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers_.get());
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    curl_easy_setopt(c, CURLOPT_COOKIEFILE, "");  // cookies on, kept in memory
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, timeout_);
    // A read time-out: less than a byte a second for that long ends the request.
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, timeout_);
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error_);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, appendBody);
  }

  HttpReply get(const std::string& url) override {
    if (!curl_) return {false, "", "no HTTP client"};
    std::string body;
    error_[0] = '\0';
    CURL* c = curl_.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &body);
    const CURLcode result = curl_easy_perform(c);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, nullptr);
    if (result != CURLE_OK) return {false, "", error_[0] != '\0' ? error_ : curl_easy_strerror(result)};
    return {true, std::move(body), ""};
  }

 private:
  long timeout_;
  std::unique_ptr<CURL, CurlDeleter> curl_;
  std::unique_ptr<curl_slist, HeaderListDeleter> headers_;
  char error_[CURL_ERROR_SIZE] = "";
};

}  // namespace

std::unique_ptr<HttpClient> makeCurlHttpClient(std::chrono::seconds timeout) {
  return std::make_unique<CurlHttpClient>(timeout);
}

}  // namespace nk
