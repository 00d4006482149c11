#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace httplib {
class Client;
}

namespace nk::scores::test {

// The game's report before encoding, padded with "0" as the game pads it. Texts in UTF-8 are
// sent in Windows-1251, as the game holds them.
std::string gameReport(const std::string& name, int32_t score, const std::string& token,
                       const std::string& player = "");
// The report query for a plain report text, encoded as the game encodes it.
std::string reportTarget(const std::string& plainReport);

// Talks to a score server over HTTP as the game does, on one kept-alive connection.
class ScoreClient {
 public:
  explicit ScoreClient(const std::string& url);
  ~ScoreClient();
  ScoreClient(const ScoreClient&) = delete;
  ScoreClient& operator=(const ScoreClient&) = delete;

  struct Answer {
    int status = 0;  // 0: no answer at all
    std::string body;
  };
  Answer get(const std::string& target);
  // The version reply's fifth field; empty when the server refused.
  std::string token();
  // A version query and the report with its token, as one game's "Yes" sends them.
  Answer send(const std::string& name, int32_t score, const std::string& player = "");

 private:
  std::unique_ptr<httplib::Client> client_;
};

}  // namespace nk::scores::test
