#include "app/score_report.h"

#include "codec/text_codec.h"
#include "game/game_state.h"
#include "platform/host.h"

namespace nk {

std::string VersionField(std::string_view reply) {
  std::string_view rest = reply, field;
  for (int round = 0; round < 5; ++round) {
    const size_t bar = rest.find('|');
    if (bar == std::string_view::npos) {
      field = {};
      continue;
    }
    field = rest.substr(0, bar);
    rest.remove_prefix(bar + 1);
  }
  return std::string(field);
}

std::string BuildReport(const std::string& hiscoreName, int32_t score, const std::string& versionField,
                        const std::string& playerName) {
  std::string report = "type=0|name=" + hiscoreName + "|score=" + std::to_string(score) +
                       "|key=X|p=" + versionField + "|add=" + playerName + "|z=";
  report.append((5 - report.size() % 5) % 5, '0');
  return report;
}

std::string ScoreServerUrl(const std::string& server, std::string_view pathAndQuery) {
  std::string url = server;
  while (!url.empty() && url.back() == '/') url.pop_back();
  return url.append(pathAndQuery);
}

void ReportScore(Host& host, const std::string& server, const TGameState& state) {
  const std::string reply = server.empty() ? "" : host.httpGet(ScoreServerUrl(server, kVersionQuery)).body;
  if (!reply.starts_with("OK")) {
    host.showMessage(kCannotConnect, "Nokturo");
    return;
  }
  const std::string report =
      BuildReport(state.HiscoreName, state.Score, VersionField(reply), state.PlayerName);
  // Whatever the server answers, the game goes on.
  host.httpGet(ScoreServerUrl(server, kReportQuery) + encodeReport(report));
}

void OpenScorePage(Host& host, const std::string& server) {
  if (!server.empty()) host.shellOpen(ScoreServerUrl(server, kScorePage), "");
}

}  // namespace nk
