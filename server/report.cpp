#include "server/report.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "codec/game_characters.h"
#include "codec/text_codec.h"

namespace nk::scores {
namespace {

constexpr std::string_view kType = "type=", kName = "|name=", kScore = "|score=", kKey = "|key=",
                           kToken = "p=", kPlayer = "|add=", kPadding = "|z=";
constexpr size_t kMaxScoreDigits = 10;

Refusal malformed(std::string reason) { return {400, std::move(reason)}; }

bool takePrefix(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

// Empty when the text is a name the game's edits could have produced, else why not.
std::optional<std::string> nameProblem(std::string_view name, bool mayBeEmpty, std::string_view field) {
  const std::string& allowed = GameCharacters();
  if (name.empty() && !mayBeEmpty) return std::string(field) + " is empty";
  if (name.size() > kMaxNameLength) return std::string(field) + " is longer than 10 characters";
  if (!std::ranges::all_of(name, [&](char c) { return allowed.find(c) != std::string::npos; }))
    return std::string(field) + " holds a character the game cannot type";
  return std::nullopt;
}

// Digits only, as the game writes a number: no sign, no leading zero.
std::optional<int32_t> plainDecimal(std::string_view digits, int32_t maxScore) {
  if (digits.empty() || digits.size() > kMaxScoreDigits || (digits.size() > 1 && digits[0] == '0') ||
      !std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  int64_t value = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || end != digits.data() + digits.size() || value > maxScore) return std::nullopt;
  return static_cast<int32_t>(value);
}

// The fields after the name, from the score on.
Checked<Report> parseFields(std::string_view name, std::string_view rest, int32_t maxScore) {
  const size_t scoreEnd = rest.find('|');
  const std::optional<int32_t> score = plainDecimal(rest.substr(0, scoreEnd), maxScore);
  if (!score) return malformed("score is not a whole number from 0 to " + std::to_string(maxScore));
  rest.remove_prefix(std::min(scoreEnd, rest.size()));
  if (!takePrefix(rest, kKey)) return malformed("missing key");
  if (!takePrefix(rest, "X|")) return malformed("key is not X");
  if (!takePrefix(rest, kToken)) return malformed("missing p");
  const size_t tokenEnd = rest.find('|');
  const std::string_view token = rest.substr(0, tokenEnd);
  rest.remove_prefix(std::min(tokenEnd, rest.size()));
  if (!takePrefix(rest, kPlayer)) return malformed("missing add");
  if (auto problem = nameProblem(name, false, "name")) return malformed(*problem);
  if (auto problem = nameProblem(rest, true, "add")) return malformed(*problem);
  return Report{std::string(name), *score, std::string(token), std::string(rest)};
}

}  // namespace

Checked<std::string> decodeReport(std::string_view letters) {
  if (letters.empty()) return malformed("missing report");
  if (letters.size() > kMaxReportLetters) return malformed("report too long");
  if (letters.find_first_not_of(kLetterAlphabet) != std::string_view::npos)
    return malformed("report holds a letter outside the code");
  // 8 letters are 40 digits, 5 whole characters: any other count means padding in front.
  if (letters.size() % 8 != 0) return malformed("report is not a multiple of 5 characters");
  return BitsToText(LettersToBits(letters));
}

Checked<Report> parseReport(std::string_view text, int32_t maxScore) {
  std::string_view rest = text;
  if (!takePrefix(rest, kType)) return malformed("not a score report");
  const size_t typeEnd = rest.find('|');
  if (rest.substr(0, typeEnd) != "0") return malformed("unknown report type");
  rest.remove_prefix(std::min(typeEnd, rest.size()));
  if (!takePrefix(rest, kName)) return malformed("missing name");
  // The names take no Latin letters, so no field's label can hide in one: the first "|score="
  // ends the name, the last "|z=" starts the padding, though either name may hold a "|".
  const size_t paddingAt = rest.rfind(kPadding);
  if (paddingAt == std::string_view::npos) return malformed("missing z");
  const std::string_view padding = rest.substr(paddingAt + kPadding.size());
  if (padding.find_first_not_of('0') != std::string_view::npos || padding.size() > 4 || text.size() % 5 != 0)
    return malformed("wrong padding");
  rest = rest.substr(0, paddingAt);
  const size_t nameEnd = rest.find(kScore);
  if (nameEnd == std::string_view::npos) return malformed("missing score");
  return parseFields(rest.substr(0, nameEnd), rest.substr(nameEnd + kScore.size()), maxScore);
}

}  // namespace nk::scores
