#include "engine/image_list_collection.h"

#include "engine/oil_reader.h"
#include "platform/files.h"

namespace nk {
namespace {

constexpr const char* kStreamError = "The stream could not be loaded, either it is corrupt or encrypted!";

// One message for all of them, naming the first few: a damaged library says so once, not once a
// picture.
std::string undecodedMessage(const TImageListCollection& items, const std::vector<int>& undecoded) {
  constexpr size_t kNamed = 10;
  std::string names;
  for (size_t i = 0; i < undecoded.size() && i < kNamed; ++i) {
    const std::string& name = items.Items(undecoded[i]).Name;
    if (i > 0) names += ", ";
    names += name.empty() ? "item " + std::to_string(undecoded[i]) : "\"" + name + "\"";
  }
  if (undecoded.size() > kNamed) names += " and " + std::to_string(undecoded.size() - kNamed) + " more";
  return (undecoded.size() == 1 ? "The picture " : "The pictures ") + names + " could not be decoded.";
}

}  // namespace

void TImageListCollection::LoadFromFile(std::string_view path) {
  const std::optional<std::string> data = readWholeFile(path);
  if (!data) {
    messages_.showMessage("Cannot be loaded - file error or file crypted!");
    return;
  }
  LoadFromStream(*data);
}

void TImageListCollection::LoadFromStream(std::string_view stream) {
  Clear();
  std::optional<std::string> transformed;
  if (StreamTransform) {
    transformed = StreamTransform(stream);
    if (!transformed) {
      messages_.messageBox(kStreamError, "Error!");
      return;
    }
    stream = *transformed;
  }
  const LibraryRead read = readImageLibrary(stream, *this);
  if (!read.undecodedPictures.empty())
    messages_.messageBox(undecodedMessage(*this, read.undecodedPictures), "Error!");
  if (!read.complete) messages_.messageBox(kStreamError, "Error!");
}

TImageListItem& TImageListCollection::Add() {
  return *items_.emplace_back(std::make_unique<TImageListItem>());
}

TImageListItem* TImageListCollection::Find(std::string_view name) const {
  for (const auto& item : items_) {
    if (item->Name == name) return item.get();
  }
  return nullptr;
}

void TImageListCollection::Assign(const TImageListCollection& source) {
  if (&source == this) return;
  Clear();
  for (const auto& item : source.items_) Add().Assign(*item);
}

}  // namespace nk
