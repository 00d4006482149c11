#include "engine/image_list_collection.h"

#include "engine/oil_reader.h"
#include "platform/files.h"

namespace nk {
namespace {
constexpr const char* kStreamError = "The stream could not be loaded, either it is corrupt or encrypted!";
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
  if (!readImageLibrary(stream, *this)) {
    messages_.messageBox(kStreamError, "Error!");
  }
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
