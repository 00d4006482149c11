#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace nk {

// An owned, ordered list of items found by their exact (case-sensitive) Name.
template <class Item>
class TNamedCollection {
 public:
  template <class... Args>
  Item& Add(Args&&... args) {
    items_.push_back(std::make_unique<Item>(std::forward<Args>(args)...));
    return *items_.back();
  }
  // The first item so named, or nullptr.
  Item* Find(const std::string& name) const {
    for (const auto& item : items_) {
      if (item->Name == name) return item.get();
    }
    return nullptr;
  }
  Item& Items(size_t i) const { return *items_.at(i); }
  size_t Count() const { return items_.size(); }

 private:
  std::vector<std::unique_ptr<Item>> items_;
};

}  // namespace nk
