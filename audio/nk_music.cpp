#include "audio/nk_music.h"

namespace nk {

void TNkMusic::Initialize() {
  for (size_t i = 0; i < Songs.Count(); ++i) Songs.Items(i).Initialize();
}

void TNkMusic::ServiceLoops() {
  for (size_t i = 0; i < Songs.Count(); ++i) {
    if (Songs.Items(i).Loop) Songs.Items(i).Service();
  }
}

}  // namespace nk
