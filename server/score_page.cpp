#include "server/score_page.h"

#include <cstdint>

namespace nk::scores {
namespace {

// A row of houses at night along the foot of the page, one burglar on a roof.
constexpr std::string_view kSkyline =
    "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 480 120'>"
    "<g fill='#060a1c'>"
    "<polygon points='0,120 0,72 34,44 68,72 68,120'/>"
    "<rect x='76' y='58' width='84' height='62'/><polygon points='70,60 118,26 166,60'/>"
    "<rect x='172' y='80' width='56' height='40'/><rect x='186' y='64' width='10' height='18'/>"
    "<rect x='236' y='40' width='96' height='80'/><polygon points='230,42 284,10 338,42'/>"
    "<rect x='344' y='66' width='60' height='54'/><polygon points='338,68 374,40 410,68'/>"
    "<rect x='414' y='52' width='66' height='68'/><polygon points='408,54 447,24 486,54'/>"
    "<circle cx='300' cy='6' r='4'/><rect x='295' y='10' width='10' height='12' rx='3'/>"
    "<rect x='296' y='20' width='3' height='8'/><rect x='301' y='19' width='3' height='8'/>"
    "<circle cx='312' cy='14' r='7'/>"
    "</g><g fill='#ffd36e'>"
    "<rect x='22' y='82' width='10' height='12'/><rect x='96' y='74' width='12' height='14'/>"
    "<rect x='252' y='56' width='12' height='14'/><rect x='300' y='84' width='12' height='14'/>"
    "<rect x='434' y='68' width='10' height='12'/><rect x='362' y='84' width='10' height='12'/>"
    "</g></svg>";

// A tile of stars, scattered the same way every time.
std::string starField() {
  std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 420 300'><g fill='#e8ecff'>";
  uint32_t seed = 20261101;
  auto next = [&](uint32_t range) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % range;
  };
  constexpr const char* kRadii[] = {"0.6", "1", "1.5"};
  for (int star = 0; star < 46; ++star) {
    const uint32_t x = next(420), y = next(300), radius = next(3), brightness = 3 + next(7);
    svg += "<circle cx='" + std::to_string(x) + "' cy='" + std::to_string(y) + "' r='" + kRadii[radius] +
           "' opacity='0." + std::to_string(brightness) + "'/>";
  }
  return svg + "</g></svg>";
}

// The picture as a CSS data address: the characters an address cannot hold written as escapes.
std::string dataUri(std::string_view svg) {
  std::string out = "data:image/svg+xml,";
  for (char c : svg) {
    if (c == '#' || c == '<' || c == '>' || c == '%' || c == '"') {
      static constexpr std::string_view kHex = "0123456789ABCDEF";
      out += '%';
      out += kHex[static_cast<unsigned char>(c) >> 4];
      out += kHex[static_cast<unsigned char>(c) & 15];
    } else {
      out += c;
    }
  }
  return out;
}

std::string style() {
  return R"(
:root { color-scheme: dark; }
* { box-sizing: border-box; }
body {
  margin: 0; min-height: 100vh; display: flex; flex-direction: column;
  font: 16px/1.45 "Comfortaa", "DejaVu Sans", "Segoe UI", Roboto, sans-serif; color: #e8ebff;
  background: #0a1030 linear-gradient(180deg, #04071a 0%, #0e1642 55%, #1c2560 100%) fixed;
}
body::before {
  content: ""; position: fixed; inset: 0; z-index: -1; pointer-events: none;
  background: url(")" +
         dataUri(starField()) + R"(") repeat top left / 420px 300px;
}
header { position: relative; max-width: 62rem; width: 100%; margin: 0 auto; padding: 2.2rem 1rem 1rem; }
.moon {
  position: absolute; top: 1.4rem; right: 1.5rem; width: 4.2rem; height: 4.2rem; border-radius: 50%;
  background: radial-gradient(circle at 35% 35%, #fffbe6, #f3e3a6 70%);
  box-shadow: 0 0 2.5rem 0.6rem rgba(255, 236, 170, 0.28);
}
h1 { margin: 0; font-size: 2.6rem; letter-spacing: 0.06em; color: #ffd36e;
     text-shadow: 0 0 1.2rem rgba(255, 211, 110, 0.35); }
header p { margin: 0.2rem 0 0; color: #9aa6d8; }
main {
  flex: 1; width: 100%; max-width: 62rem; margin: 0 auto; padding: 0.5rem 1rem 1.5rem;
  display: grid; gap: 1.4rem; grid-template-columns: repeat(auto-fit, minmax(min(100%, 27rem), 1fr));
  align-items: start;
}
section {
  background: rgba(8, 12, 38, 0.72); border: 1px solid rgba(255, 211, 110, 0.18); border-radius: 0.9rem;
  padding: 0.9rem 1rem 1rem; box-shadow: 0 0.6rem 2rem rgba(0, 0, 0, 0.35);
}
h2 { margin: 0 0 0.6rem; font-size: 1.25rem; color: #ffd36e; }
table { width: 100%; border-collapse: collapse; font-variant-numeric: tabular-nums; }
th { text-align: left; font-weight: normal; font-size: 0.8rem; color: #8d98c8; text-transform: uppercase;
     letter-spacing: 0.05em; padding: 0 0.4rem 0.35rem; }
td { padding: 0.32rem 0.4rem; border-top: 1px solid rgba(160, 175, 255, 0.09); }
tbody tr:nth-child(even) { background: rgba(160, 175, 255, 0.04); }
.rank { width: 2.6rem; text-align: right; color: #8d98c8; }
.name { overflow-wrap: anywhere; }
.score { text-align: right; color: #fff3c8; }
.date { text-align: right; white-space: nowrap; color: #8d98c8; font-size: 0.9rem; }
th.score, th.date, th.rank { text-align: right; }
tr.gold .rank, tr.gold .score { color: #ffd36e; font-weight: bold; }
tr.silver .rank { color: #d8def5; font-weight: bold; }
tr.bronze .rank { color: #e0a06a; font-weight: bold; }
.empty { margin: 0.4rem 0; color: #9aa6d8; }
footer { text-align: center; font-size: 0.85rem; color: #7581b5; padding: 0 1rem 0.6rem; }
footer a { color: #ffd36e; }
.skyline { height: 7.5rem; background: url(")" +
         dataUri(kSkyline) + R"(") repeat-x bottom / auto 7.5rem; }
@media (max-width: 30rem) {
  body { font-size: 15px; }
  h1 { font-size: 2rem; }
  .moon { width: 3rem; height: 3rem; top: 1.6rem; right: 1rem; }
  main { padding: 0.4rem 0.5rem 1rem; }
  section { padding: 0.7rem 0.5rem 0.8rem; }
  td, th { padding-left: 0.25rem; padding-right: 0.25rem; }
  .rank { width: 2rem; }
}
)";
}

const char* medal(int rank) {
  switch (rank) {
    case 1: return " class=\"gold\"";
    case 2: return " class=\"silver\"";
    case 3: return " class=\"bronze\"";
    default: return "";
  }
}

void appendTable(std::string& out, const char* id, const char* title, const std::vector<RankedScore>& rows) {
  out += "<section aria-labelledby=\"" + std::string(id) + "\"><h2 id=\"" + id + "\">" + title + "</h2>\n";
  if (rows.empty()) {
    out += "<p class=\"empty\">Пока никого. Стань первым!</p></section>\n";
    return;
  }
  out += "<table id=\"" + std::string(id) +
         "-table\"><thead><tr><th class=\"rank\">Место</th><th>Имя</th><th class=\"score\">Очки</th>"
         "<th class=\"date\">Дата</th></tr></thead>\n<tbody>\n";
  for (const RankedScore& row : rows) {
    out += "<tr" + std::string(medal(row.rank)) + "><td class=\"rank\">" + std::to_string(row.rank) +
           "</td><td class=\"name\">" + htmlEscaped(row.score.name) + "</td><td class=\"score\">" +
           std::to_string(row.score.score) + "</td><td class=\"date\"><time datetime=\"" +
           isoTime(row.score.receivedAt) + "\">" + russianDate(row.score.receivedAt) + "</time></td></tr>\n";
  }
  out += "</tbody></table></section>\n";
}

}  // namespace

std::string htmlEscaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string scorePage(const std::vector<RankedScore>& allTime, const std::vector<RankedScore>& week,
                      int64_t now) {
  static const std::string css = style();
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<title>Nokturo: рекорды</title>\n<style>" +
      css +
      "</style>\n</head>\n<body>\n<header><div class=\"moon\" aria-hidden=\"true\"></div>"
      "<h1>Nokturo</h1><p>Лучшие взломщики ночного города</p></header>\n<main>\n";
  appendTable(out, "all", "За всё время", allTime);
  appendTable(out, "week", "За 7 дней", week);
  out += "</main>\n<footer>Обновлено " + russianDate(now) + " в " + isoTime(now).substr(11, 5) + " UTC" +
         " · <a href=\"/api/scores?period=all&amp;limit=100\">JSON</a></footer>\n"
         "<div class=\"skyline\" aria-hidden=\"true\"></div>\n</body>\n</html>\n";
  return out;
}

}  // namespace nk::scores
