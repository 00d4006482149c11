#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace nk {

class Host;
struct TGameState;

// What the score server is asked, relative to its address.
inline constexpr std::string_view kVersionQuery = "/cgi/version.pl?version&prg=Nokturo";
inline constexpr std::string_view kReportQuery = "/cgi/version.pl?hs&prg=Nokturo&inf=";
inline constexpr std::string_view kScorePage = "/cgi/version.pl?prg=Nokturo&show&type=0";
inline constexpr const char* kCannotConnect = "Can't connect to server!";

// The field that ends with the fifth "|" of the version reply; empty when it has fewer.
std::string VersionField(std::string_view reply);

// The report before encoding, with "0"s at its end up to a multiple of 5 characters, so that the
// letter code carries no padding in front and decodes exactly.
std::string BuildReport(const std::string& hiscoreName, int32_t score, const std::string& versionField,
                        const std::string& playerName);

// The server's address joined to a path and query.
std::string ScoreServerUrl(const std::string& server, std::string_view pathAndQuery);

// Asks the server's version, then sends the encoded report of the finished game. Without a
// server, or without an "OK" reply, it tells the player that it cannot connect and sends nothing.
void ReportScore(Host& host, const std::string& server, const TGameState& state);

// Opens the server's public score page in the browser; nothing without a server.
void OpenScorePage(Host& host, const std::string& server);

}  // namespace nk
