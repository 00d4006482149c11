#include "app/pad_name_edit.h"

#include <string>

#include "ui/nk_edit.h"

namespace nk::pad_name {
namespace {

// The letters in turning order, Windows-1251: А..Я and а..я are 0xC0..0xFF.
const std::string& letters() {
  static const std::string ring = [] {
    std::string s;
    for (int c = 0xC0; c <= 0xFF; ++c) s += static_cast<char>(c);
    for (char c = '0'; c <= '9'; ++c) s += c;
    return s;
  }();
  return ring;
}

bool full(const TNkEdit& edit) { return edit.MaxLength >= 0 && edit.TextLength() >= edit.MaxLength; }

// The caret stays one past the end, where the screens keep it while typing.
void caretToEnd(TNkEdit& edit) { edit.CaretPos = edit.TextLength() + 1; }

}  // namespace

void turnLastLetter(TNkEdit& edit, int step) {
  const std::string& ring = letters();
  const auto size = static_cast<int>(ring.size());
  if (edit.Text.empty()) {
    if (full(edit)) return;
    edit.Text += ring[step > 0 ? 0 : ring.size() - 1];
  } else {
    const size_t at = ring.find(edit.Text.back());
    const int next = at == std::string::npos ? (step > 0 ? 0 : size - 1)
                                             : ((static_cast<int>(at) + step) % size + size) % size;
    edit.Text.back() = ring[static_cast<size_t>(next)];
  }
  caretToEnd(edit);
}

void addLetter(TNkEdit& edit) {
  if (full(edit)) return;
  edit.Text += letters().front();
  caretToEnd(edit);
}

void removeLastLetter(TNkEdit& edit) {
  if (edit.Text.empty()) return;
  edit.Text.pop_back();
  caretToEnd(edit);
}

}  // namespace nk::pad_name
