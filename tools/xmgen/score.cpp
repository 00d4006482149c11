#include "score.h"

#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "instruments.h"

namespace nk::xm {
namespace {

struct Voice {
  uint8_t instrument = 0;  // 1-based
  int firstChannel = 0;
  int width = 1;
  int volume = 64;
  int pan = 128;
};

[[noreturn]] void fail(int line, const std::string& what) {
  throw std::runtime_error("line " + std::to_string(line) + ": " + what);
}

int number(const std::string& s, int line, int lo, int hi) {
  size_t used = 0;
  int v = 0;
  try {
    v = std::stoi(s, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != s.size() || v < lo || v > hi) {
    fail(line, "\"" + s + "\" is not a number from " + std::to_string(lo) + " to " + std::to_string(hi));
  }
  return v;
}

// The words of a line up to a comment: a word starting with "#" (inside a word it is a sharp).
std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string w; in >> w && w[0] != '#';) out.push_back(w);
  return out;
}

class ScoreBuilder {
 public:
  Module build(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) take(words(line), n);
    if (section_ >= 0) fail(lineNo_, "section without end");
    if (module_.order.empty()) fail(lineNo_, "no order");
    module_.channels = channels_ + (swing_ ? 1 : 0);
    return std::move(module_);
  }

 private:
  void take(const std::vector<std::string>& w, int n) {
    lineNo_ = n;
    if (w.empty()) return;
    if (section_ >= 0) return sectionLine(w, n);
    const std::string& key = w[0];
    if (key == "title") {
      module_.name = w.size() > 1 ? w[1] : "";
    } else if (key == "speed" && w.size() == 2) {
      module_.speed = static_cast<uint16_t>(number(w[1], n, 1, 31));
    } else if (key == "bpm" && w.size() == 2) {
      module_.bpm = static_cast<uint16_t>(number(w[1], n, 32, 255));
    } else if (key == "swing" && w.size() == 3) {
      swing_ = {number(w[1], n, 1, 31), number(w[2], n, 1, 31)};
    } else if (key == "instrument" && w.size() == 3) {
      try {
        module_.instruments.push_back(MakeInstrument(w[2]));
      } catch (const std::invalid_argument& e) {
        fail(n, e.what());
      }
      instruments_[w[1]] = static_cast<uint8_t>(module_.instruments.size());
    } else if (key == "voice" && w.size() == 6) {
      addVoice(w, n);
    } else if (key == "section" && w.size() == 3) {
      beginSection(w[1], number(w[2], n, 1, 256));
    } else if (key == "order") {
      for (size_t i = 1; i < w.size(); ++i) {
        if (!sections_.contains(w[i])) fail(n, "no section \"" + w[i] + "\"");
        module_.order.push_back(sections_[w[i]]);
      }
    } else {
      fail(n, "cannot read \"" + key + "\" here");
    }
  }

  void addVoice(const std::vector<std::string>& w, int n) {
    if (!instruments_.contains(w[2])) fail(n, "no instrument \"" + w[2] + "\"");
    if (section_ >= 0 || !module_.patterns.empty()) fail(n, "voices come before the sections");
    Voice v;
    v.instrument = instruments_[w[2]];
    v.width = number(w[3], n, 1, 8);
    v.volume = number(w[4], n, 0, 64);
    v.pan = number(w[5], n, 0, 255);
    v.firstChannel = channels_;
    channels_ += v.width;
    voices_[w[1]] = v;
  }

  void beginSection(const std::string& name, int rows) {
    if (sections_.contains(name)) fail(lineNo_, "section \"" + name + "\" again");
    sections_[name] = static_cast<uint8_t>(module_.patterns.size());
    section_ = static_cast<int>(module_.patterns.size());
    Pattern p;
    p.rows = rows;
    const int width = channels_ + (swing_ ? 1 : 0);
    p.cells.assign(static_cast<size_t>(rows * width), Cell{});
    if (swing_) {
      for (int r = 0; r < rows; ++r) {
        Cell& c = p.cells[static_cast<size_t>(r * width + channels_)];
        c.effect = 0x0F;
        c.param = static_cast<uint8_t>(r % 2 == 0 ? swing_->first : swing_->second);
      }
    }
    module_.patterns.push_back(std::move(p));
    filled_.clear();
    lengths_.clear();
  }

  void sectionLine(const std::vector<std::string>& w, int n) {
    Pattern& p = module_.patterns[static_cast<size_t>(section_)];
    if (w[0] == "end") {
      for (const auto& [name, rows] : filled_) {
        if (rows != p.rows) {
          fail(n, "voice \"" + name + "\" fills " + std::to_string(rows) + " of " + std::to_string(p.rows) +
                      " rows");
        }
      }
      section_ = -1;
      return;
    }
    if (!voices_.contains(w[0])) fail(n, "no voice \"" + w[0] + "\"");
    const Voice& v = voices_[w[0]];
    int& row = filled_[w[0]];
    if (w.size() > 1 && w[1][0] == '|') {
      for (size_t i = 1; i < w.size(); ++i) grid(p, v, w[i], row, n);
    } else {
      int& length = lengths_.try_emplace(w[0], 1).first->second;  // carries on over the voice's lines
      for (size_t i = 1; i < w.size(); ++i) melodic(p, v, w[i], row, length, n);
    }
  }

  Cell& cell(Pattern& p, int row, int channel, int n) {
    if (row >= p.rows) fail(n, "more rows than the section has");
    return p.cells[static_cast<size_t>(row * (channels_ + (swing_ ? 1 : 0)) + channel)];
  }

  void strike(Pattern& p, const Voice& v, int row, int channel, uint8_t note, int volume, int n) {
    Cell& c = cell(p, row, channel, n);
    c.note = note;
    c.instrument = v.instrument;
    c.volume = static_cast<uint8_t>(0x10 + volume * v.volume / 64);
    c.effect = 0x08;  // the voice's place in the stereo picture
    c.param = static_cast<uint8_t>(v.pan);
  }

  // Hits, one character a row: x loud, o medium, "," soft, "." nothing; "|" only helps the eye.
  void grid(Pattern& p, const Voice& v, const std::string& token, int& row, int n) {
    for (char ch : token) {
      if (ch == '|') continue;
      const int volume = ch == 'x' ? 64 : ch == 'o' ? 40 : ch == ',' ? 20 : 0;
      if (volume == 0 && ch != '.') fail(n, std::string("unknown hit \"") + ch + "\"");
      if (volume > 0) strike(p, v, row, v.firstChannel, NoteNumber("c4"), volume, n);
      ++row;
    }
  }

  // ITEM[/ROWS][@VOLUME]: ITEM is "." (let ring), "-" (key off) or notes joined by "+".
  void melodic(Pattern& p, const Voice& v, const std::string& token, int& row, int& length, int n) {
    std::string item = token;
    int volume = 64;
    if (const size_t at = item.find('@'); at != std::string::npos) {
      volume = number(item.substr(at + 1), n, 0, 64);
      item.resize(at);
    }
    if (const size_t slash = item.find('/'); slash != std::string::npos) {
      length = number(item.substr(slash + 1), n, 1, 256);
      item.resize(slash);
    }
    if (item == "-") {
      for (int c = 0; c < v.width; ++c) cell(p, row, v.firstChannel + c, n).note = kKeyOff;
    } else if (item != ".") {
      std::vector<uint8_t> notes;
      std::istringstream parts(item);
      for (std::string part; std::getline(parts, part, '+');) {
        notes.push_back(NoteNumber(part));
        if (notes.back() == 0) fail(n, "\"" + part + "\" is no note");
      }
      if (notes.size() > static_cast<size_t>(v.width)) fail(n, "more notes than the voice has channels");
      for (int c = 0; c < v.width; ++c) {
        if (static_cast<size_t>(c) < notes.size()) {
          strike(p, v, row, v.firstChannel + c, notes[static_cast<size_t>(c)], volume, n);
        } else {
          cell(p, row, v.firstChannel + c, n).note = kKeyOff;
        }
      }
    }
    row += length;
    if (row > p.rows) fail(n, "more rows than the section has");
  }

  Module module_;
  std::map<std::string, uint8_t> instruments_;
  std::map<std::string, Voice> voices_;
  std::map<std::string, uint8_t> sections_;
  std::map<std::string, int> filled_;   // rows written per voice in this section
  std::map<std::string, int> lengths_;  // the voice's current note length
  std::optional<std::pair<int, int>> swing_;
  int channels_ = 0;
  int section_ = -1;
  int lineNo_ = 0;
};

}  // namespace

uint8_t NoteNumber(const std::string& name) {
  static const std::map<char, int> kSteps{{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5},
                                          {'g', 7}, {'a', 9}, {'b', 11}};
  if (name.size() < 2 || !kSteps.contains(name[0])) return 0;
  int pitch = kSteps.at(name[0]);
  size_t i = 1;
  if (name[i] == '#') {
    ++pitch;
    ++i;
  } else if (name[i] == 'b' && name.size() > 2) {
    --pitch;
    ++i;
  }
  if (i + 1 != name.size() || name[i] < '0' || name[i] > '7') return 0;
  const int midi = 12 * (name[i] - '0' + 1) + pitch;
  const int note = midi - 11;  // note 49 is middle C
  return note >= 1 && note <= 96 ? static_cast<uint8_t>(note) : 0;
}

Module ParseScore(const std::string& text) { return ScoreBuilder().build(text); }

}  // namespace nk::xm
