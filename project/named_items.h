// An owned, ordered collection of data items identified by name: the project's tables,
// lists and matrices each live in one.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/text_util.h"

namespace orvella {

template <typename Item>
class NamedItems {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  bool Contains(int index) const { return index >= 0 && index < Count(); }
  Item& At(int index) { return *items_[index]; }
  const Item& At(int index) const { return *items_[index]; }
  Item* Find(int index) { return Contains(index) ? items_[index].get() : nullptr; }

  // Blanks around the searched name do not count and letter case does not matter; the
  // first match wins. -1 when no item has the name.
  int IndexOf(std::string_view name) const {
    const std::string_view wanted = Trim(name);
    for (int i = 0; i < Count(); ++i) {
      if (EqualsNoCase(items_[i]->Name(), wanted)) return i;
    }
    return -1;
  }

  // `prefix` followed by the smallest number from 1 up that no item is named.
  std::string DefaultName(std::string_view prefix) const {
    for (int number = 1;; ++number) {
      std::string name = std::string(prefix) + std::to_string(number);
      if (IndexOf(name) < 0) return name;
    }
  }

  int Append(std::unique_ptr<Item> item) {
    items_.push_back(std::move(item));
    return Count() - 1;
  }
  // The old item is deleted.
  void Replace(int index, std::unique_ptr<Item> item) { items_[index] = std::move(item); }
  void Remove(int index) {
    if (Contains(index)) items_.erase(items_.begin() + index);
  }
  void Clear() { items_.clear(); }

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<std::unique_ptr<Item>> items_;
};

}  // namespace orvella
