#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/image_list_item.h"
#include "engine/message_sink.h"

namespace nk {

// The ordered list of images of an image list, read from one library file.
class TImageListCollection {
 public:
  // Turns the file's bytes into the stream to parse (decryption or unpacking); nothing when it
  // cannot. The game sets none.
  using Transform = std::function<std::optional<std::string>(std::string_view)>;

  explicit TImageListCollection(MessageSink& messages) : messages_(messages) {}
  TImageListCollection(const TImageListCollection&) = delete;
  TImageListCollection& operator=(const TImageListCollection&) = delete;

  Transform StreamTransform;

  // path is the game's file name ("Data\data.oil"). An unreadable file leaves the items as they were.
  void LoadFromFile(std::string_view path);
  // Replaces the items by those of a library file's bytes. On a parse failure the items read
  // until then stay (the one being read with the properties it got).
  void LoadFromStream(std::string_view stream);

  int Count() const { return static_cast<int>(items_.size()); }
  TImageListItem& Items(int index) { return *items_.at(static_cast<size_t>(index)); }
  const TImageListItem& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }
  TImageListItem& Add();
  // The first item whose Name is exactly name; nullptr when none is.
  TImageListItem* Find(std::string_view name) const;
  void Clear() { items_.clear(); }
  // Makes the items copies of source's (what the file stores of each).
  void Assign(const TImageListCollection& source);

 private:
  MessageSink& messages_;
  std::vector<std::unique_ptr<TImageListItem>> items_;
};

}  // namespace nk
