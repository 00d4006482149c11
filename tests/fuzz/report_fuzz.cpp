// Any bytes as a score report, decoded and as its plain text, and as a query string. A report
// the server takes must be exactly what the game would have built from its fields.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "server/query.h"
#include "server/report.h"

namespace {

constexpr int32_t kMaxScore = 40000;

void check(std::string_view text) {
  const nk::scores::Checked<nk::scores::Report> parsed = nk::scores::parseReport(text, kMaxScore);
  const auto* report = std::get_if<nk::scores::Report>(&parsed);
  if (report == nullptr) return;
  std::string rebuilt = "type=0|name=" + report->name + "|score=" + std::to_string(report->score) +
                        "|key=X|p=" + report->token + "|add=" + report->player + "|z=";
  rebuilt.append((5 - rebuilt.size() % 5) % 5, '0');
  if (rebuilt != text || report->score < 0 || report->score > kMaxScore || report->name.empty() ||
      report->name.size() > nk::scores::kMaxNameLength || report->player.size() > nk::scores::kMaxNameLength)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  check(bytes);
  const auto decoded = nk::scores::decodeReport(bytes);
  if (const auto* text = std::get_if<std::string>(&decoded)) check(*text);
  (void)nk::scores::parseQuery(bytes);
  return 0;
}
