#include "server/score_service.h"

#include <charconv>
#include <chrono>

#include "codec/cp1251.h"
#include "server/ranking.h"
#include "server/report.h"
#include "server/score_page.h"
#include "server/scores_json.h"
#include "server/token.h"

namespace nk::scores {
namespace {

constexpr int64_t kWeekSeconds = 7 * 24 * 60 * 60;
constexpr int64_t kTokenSweepSeconds = 60;
constexpr const char* kProgram = "Nokturo";

HttpReply refused(const Refusal& refusal) {
  HttpReply reply{refusal.status, kPlainText, refusal.reason + "\n", {}, {}};
  if (refusal.status == 429) reply.headers.emplace_back("Retry-After", "60");
  return reply;
}

HttpReply text(std::string body) { return {200, kPlainText, std::move(body), {}, {}}; }

std::optional<int> wholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

const char* verdictReason(TokenVerdict verdict) {
  switch (verdict) {
    case TokenVerdict::Used: return "token already used";
    case TokenVerdict::Expired: return "token expired";
    default: return "unknown token";
  }
}

}  // namespace

int64_t ScoreService::systemSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

ScoreService::ScoreService(ScoreStore& store, const ServiceSettings& settings, Clock clock)
    : store_(store),
      settings_(settings),
      clock_(std::move(clock)),
      versions_(settings.reportsPerMinute),
      reports_(settings.reportsPerMinute) {}

HttpReply ScoreService::handle(std::string_view target, const std::string& client) {
  if (target.size() > kMaxTargetLength) return refused({414, "request too long"});
  try {
    return route(target, client);
  } catch (const StoreError& e) {
    HttpReply reply = refused({503, "scores unavailable, try again later"});
    reply.note = e.what();
    return reply;
  }
}

HttpReply ScoreService::route(std::string_view target, const std::string& client) {
  const size_t mark = target.find('?');
  const std::string_view path = target.substr(0, mark);
  const Checked<Query> parsed = parseQuery(mark == std::string_view::npos ? "" : target.substr(mark + 1));
  if (const Refusal* r = std::get_if<Refusal>(&parsed)) return refused(*r);
  const Query& query = std::get<Query>(parsed);

  if (path == "/") return {302, kPlainText, "", {{"Location", std::string(kPageTarget)}}, {}};
  if (path == "/api/scores") return apiReply(query);
  if (path == "/health") {
    store_.check();
    return text("OK\n");
  }
  if (path != kScriptPath) return refused({404, "not found"});
  if (query.value("prg") != kProgram) return refused({404, "unknown program"});
  const int asks = int{query.has("version")} + int{query.has("hs")} + int{query.has("show")};
  if (asks != 1) return refused({400, "ask for one of version, hs, show"});
  if (query.has("version")) return versionReply(client);
  if (query.has("hs")) return reportReply(query, client);
  return pageReply(query);
}

HttpReply ScoreService::versionReply(const std::string& client) {
  const int64_t now = clock_();
  if (!versions_.allow(client, now)) return refused({429, "too many requests"});
  // Any server of a group sweeps now and then; the tokens it issues live in the store.
  int64_t last = lastTokenSweep_.load();
  if (now - last >= kTokenSweepSeconds && lastTokenSweep_.compare_exchange_strong(last, now))
    store_.forgetExpiredTokens(now);
  const std::string token = newToken();
  store_.addToken(token, now + settings_.tokenSeconds);
  return text(std::string("OK|") + kProgram + "|" + NK_VERSION + "|" +
              std::to_string(settings_.tokenSeconds) + "|" + token + "|");
}

HttpReply ScoreService::reportReply(const Query& query, const std::string& client) {
  const int64_t now = clock_();
  if (!reports_.allow(client, now)) return refused({429, "too many reports"});
  const std::optional<std::string> letters = query.value("inf");
  if (!letters) return refused({400, "missing inf"});
  const Checked<std::string> decoded = decodeReport(*letters);
  if (const Refusal* r = std::get_if<Refusal>(&decoded)) return refused(*r);
  const Checked<Report> parsed = parseReport(std::get<std::string>(decoded), settings_.maxScore);
  if (const Refusal* r = std::get_if<Refusal>(&parsed)) return refused(*r);
  const Report& report = std::get<Report>(parsed);
  if (!isTokenShaped(report.token)) return refused({403, verdictReason(TokenVerdict::Unknown)});
  const TokenVerdict verdict = store_.addScore(
      report.token, {cp1251ToUtf8(report.name), report.score, cp1251ToUtf8(report.player), now});
  if (verdict != TokenVerdict::Accepted) return refused({403, verdictReason(verdict)});
  return text("OK");
}

HttpReply ScoreService::pageReply(const Query& query) {
  if (query.value("type").value_or("0") != "0") return refused({404, "unknown table"});
  const int64_t now = clock_();
  HttpReply reply{200,
                  "text/html; charset=utf-8",
                  scorePage(ranked(store_.best(INT64_MIN, kPageRows)),
                            ranked(store_.best(now - kWeekSeconds, kPageRows)), now),
                  {{"Content-Security-Policy", kPageSecurityPolicy}, {"Cache-Control", "no-cache"}},
                  {}};
  return reply;
}

HttpReply ScoreService::apiReply(const Query& query) {
  const std::string period = query.value("period").value_or("all");
  if (period != "all" && period != "week") return refused({400, "period is all or week"});
  const std::optional<int> limit = wholeNumber(query.value("limit").value_or(std::to_string(kPageRows)));
  if (!limit || *limit < 1 || *limit > kMaxApiRows)
    return refused({400, "limit is a whole number from 1 to " + std::to_string(kMaxApiRows)});
  const int64_t since = period == "week" ? clock_() - kWeekSeconds : INT64_MIN;
  return {200, "application/json; charset=utf-8", scoresJson(ranked(store_.best(since, *limit))), {}, {}};
}

}  // namespace nk::scores
