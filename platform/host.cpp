#include "platform/host.h"

namespace nk {

void Host::showMessage(const std::string& text, const std::string& caption) {
  journal_.messages.push_back(text);
  presentMessage(text, caption);
}

void Host::shellOpen(const std::string& file, const std::string& parameters) {
  journal_.opened.push_back(file);
  launch(file, parameters);
}

HttpReply Host::httpGet(const std::string& url) {
  journal_.requests.push_back(url);
  if (!http_) http_ = makeCurlHttpClient();
  return http_->get(url);
}

AudioOutput& Host::audio() {
  if (!silentAudio_) silentAudio_ = makeSilentAudio(application().clock());
  return *silentAudio_;
}

}  // namespace nk
