#include "ui/share_description.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace nk {
namespace {

// Names come from a file anyone can edit, and the shell opens them: they stay inside the game's
// folder, and control characters (a NUL would cut the name short) and drive letters are refused.
bool insideGameFolder(std::string_view name) {
  if (name.empty() || name.front() == '/' || name.front() == '\\') return false;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == ':') return false;
  }
  size_t start = 0;
  for (;;) {
    const size_t end = name.find_first_of("/\\", start);
    if (name.substr(start, end - start) == "..") return false;
    if (end == std::string_view::npos) return true;
    start = end + 1;
  }
}

// A decimal integer with an optional minus sign that fits 32 bits, and nothing else.
bool parseNumber(std::string_view text, int32_t& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return !text.empty() && error == std::errc() && stop == end;
}

class DescriptionReader {
 public:
  DescriptionReader(std::string_view text, const FileCheck& exists, ShareDescription& d)
      : text_(text), exists_(exists), d_(d) {}

  void read() {
    std::array<int32_t, 1> count{};
    if (!numbers(count, "the number of buttons")) return;
    if (count[0] < 1) {
      fail("the last button is the exit button, so there must be at least one");
      return;
    }
    d_.ButtonCount = count[0];
    if (!fileName(d_.BackgroundFile, "the background picture")) return;
    for (int64_t i = 1; i <= d_.ButtonCount; ++i) {
      if (!button(i == d_.ButtonCount)) return;
    }
    if (!counter()) return;
    std::string_view fontLine;
    if (!line(fontLine, "the font size switch")) return;
    d_.FontSizeGiven = fontLine == "TRUE";
    if (d_.FontSizeGiven) {
      std::array<int32_t, 1> size{};
      if (!numbers(size, "the font size")) return;
      d_.FontSize = size[0];
    } else {
      // Without a size the number takes six tenths of the exit button's height.
      d_.FontSize = static_cast<int32_t>(std::nearbyint(0.6 * d_.Buttons.back().Height));
    }
    if (d_.FontSize < ShareDescription::kMinFontSize || d_.FontSize > ShareDescription::kMaxFontSize) {
      fail("the countdown's font size " + std::to_string(d_.FontSize) + " is not within " +
           std::to_string(ShareDescription::kMinFontSize) + ".." +
           std::to_string(ShareDescription::kMaxFontSize));
    }
  }

 private:
  bool fail(const std::string& why) {
    d_.Valid = false;
    d_.Problem = "wdata\\config.ini line " + std::to_string(lineNumber_) + ": " + why;
    return false;
  }

  // The next line without its line end and leading spaces.
  bool line(std::string_view& out, const char* what) {
    ++lineNumber_;
    if (pos_ >= text_.size()) return fail(std::string("the file ends before ") + what);
    size_t end = text_.find_first_of("\r\n", pos_);
    if (end == std::string_view::npos) end = text_.size();
    out = text_.substr(pos_, end - pos_);
    pos_ = end + (text_.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    out.remove_prefix(std::min(out.find_first_not_of(' '), out.size()));
    return true;
  }

  // The line's first numbers, each followed by one space; the rest of the line is a comment.
  template <size_t N>
  bool numbers(std::array<int32_t, N>& out, const char* what) {
    std::string_view rest;
    if (!line(rest, what)) return false;
    for (size_t i = 0; i < N; ++i) {
      const size_t space = rest.find(' ');
      if (!parseNumber(rest.substr(0, space), out[i])) {
        return fail(std::string(what) + ": number " + std::to_string(i + 1) + " of " + std::to_string(N) +
                    " is missing or malformed");
      }
      rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    }
    return true;
  }

  bool fileName(std::string& out, const char* what) {
    std::string_view name;
    if (!line(name, what)) return false;
    out = name;
    if (name.empty()) return fail(std::string(what) + ": no file is named");
    if (!insideGameFolder(name))
      return fail(std::string(what) + ": \"" + out + "\" is not a file in the game's folder");
    if (!exists_(name)) return fail(std::string(what) + ": \"" + out + "\" does not exist");
    return true;
  }

  bool button(bool exit) {
    TButton b;
    std::array<int32_t, 4> v{};
    if (!numbers(v, "the hover picture's place")) return false;
    b.HoverX = v[0], b.HoverY = v[1];
    if (!numbers(v, "the button's place and size")) return false;
    b.X = v[0], b.Y = v[1], b.Width = v[2], b.Height = v[3];
    if (exit) {
      if (!numbers(v, "the waiting picture's place")) return false;
      b.WaitX = v[0], b.WaitY = v[1];
      b.Action = TButton::kExitAction;
      b.Active = false;
    } else {
      b.WaitX = b.X, b.WaitY = b.Y;
    }
    if (!fileName(b.NormalFile, "the normal picture") || !fileName(b.HoverFile, "the hover picture"))
      return false;
    if (exit ? !fileName(b.WaitFile, "the waiting picture") : !fileName(b.Action, "the file to open"))
      return false;
    if (!exit) b.WaitFile = b.NormalFile;
    d_.Buttons.push_back(std::move(b));
    return true;
  }

  bool counter() {
    std::array<int32_t, 2> centre{};
    if (!numbers(centre, "the countdown's centre")) return false;
    d_.CounterX = centre[0], d_.CounterY = centre[1];
    std::array<int32_t, 1> length{};
    if (!numbers(length, "the countdown's length")) return false;
    // Below 1 the count would never reach 0 and the game could not be left at all.
    const int64_t frames = int64_t{length[0]} * 100 - 100;
    if (length[0] < 1 || frames > std::numeric_limits<int32_t>::max()) {
      return fail("the countdown's length " + std::to_string(length[0]) + " is out of range");
    }
    d_.Countdown = static_cast<int32_t>(frames);
    if (!numbers(d_.CounterColor, "the countdown's colour")) return false;
    for (const int32_t c : d_.CounterColor) {
      if (c < 0 || c > 255)
        return fail("the countdown's colour " + std::to_string(c) + " is not within 0..255");
    }
    return true;
  }

  std::string_view text_;
  const FileCheck& exists_;
  ShareDescription& d_;
  size_t pos_ = 0;
  int lineNumber_ = 0;
};

}  // namespace

std::array<uint8_t, 3> ShareDescription::CounterRgb() const {
  const auto byte = [](int32_t v) { return static_cast<uint8_t>(v); };
  const auto [a, b, c] = CounterColor;
  if (FontSizeGiven) return {byte(a), byte(b), byte(c)};
  return {byte(a), byte(c), byte(b)};
}

ShareDescription ReadShareDescription(std::string_view text, const FileCheck& exists) {
  ShareDescription d;
  DescriptionReader(text, exists, d).read();
  return d;
}

}  // namespace nk
