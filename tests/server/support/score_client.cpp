#include "server/support/score_client.h"

#include <httplib.h>

#include "codec/cp1251.h"
#include "codec/text_codec.h"

namespace nk::scores::test {

std::string gameReport(const std::string& name, int32_t score, const std::string& token,
                       const std::string& player) {
  std::string report = "type=0|name=" + utf8ToCp1251(name) + "|score=" + std::to_string(score) +
                       "|key=X|p=" + token + "|add=" + utf8ToCp1251(player) + "|z=";
  report.append((5 - report.size() % 5) % 5, '0');
  return report;
}

std::string reportTarget(const std::string& plainReport) {
  return "/cgi/version.pl?hs&prg=Nokturo&inf=" + encodeReport(plainReport);
}

ScoreClient::ScoreClient(const std::string& url) : client_(std::make_unique<httplib::Client>(url)) {
  client_->set_keep_alive(true);
  client_->set_tcp_nodelay(true);
  client_->set_connection_timeout(10, 0);
  client_->set_read_timeout(30, 0);
}

ScoreClient::~ScoreClient() = default;

ScoreClient::Answer ScoreClient::get(const std::string& target) {
  const httplib::Result result = client_->Get(target);
  if (!result) return {};
  return {result->status, result->body};
}

std::string ScoreClient::token() {
  const Answer reply = get("/cgi/version.pl?version&prg=Nokturo");
  if (reply.status != 200 || !reply.body.starts_with("OK|")) return "";
  // OK|program|version|seconds|token|
  size_t at = 0;
  for (int field = 0; field < 4 && at != std::string::npos; ++field) at = reply.body.find('|', at + 1);
  const size_t end = at == std::string::npos ? at : reply.body.find('|', at + 1);
  return end == std::string::npos ? "" : reply.body.substr(at + 1, end - at - 1);
}

ScoreClient::Answer ScoreClient::send(const std::string& name, int32_t score, const std::string& player) {
  return get(reportTarget(gameReport(name, score, token(), player)));
}

}  // namespace nk::scores::test
