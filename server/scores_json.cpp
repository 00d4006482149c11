#include "server/scores_json.h"

#include <nlohmann/json.hpp>

namespace nk::scores {

std::string scoresJson(const std::vector<RankedScore>& rows) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (const RankedScore& row : rows) {
    out.push_back({{"rank", row.rank},
                   {"name", row.score.name},
                   {"score", row.score.score},
                   {"date", isoTime(row.score.receivedAt)}});
  }
  // A name the store holds is UTF-8 made from the code page; a damaged one must not end the reply.
  return out.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace nk::scores
