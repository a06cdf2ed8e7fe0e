#include "platform/settings_table.h"

#include <algorithm>

namespace orvella::platform {
namespace {

// ASCII only: names are program-given CamelCase words, and folding other bytes would make
// the order depend on the locale.
char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool CaseInsensitiveLess::operator()(std::string_view left, std::string_view right) const {
  return std::lexicographical_compare(
      left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
        return static_cast<unsigned char>(FoldCase(a)) < static_cast<unsigned char>(FoldCase(b));
      });
}

const std::string* SettingsTable::Find(std::string_view section, std::string_view name) const {
  const auto values = sections_.find(section);
  if (values == sections_.end()) return nullptr;
  const auto value = values->second.find(name);
  return value == values->second.end() ? nullptr : &value->second;
}

void SettingsTable::Set(std::string_view section, std::string_view name, std::string stored) {
  auto values = sections_.find(section);
  if (values == sections_.end()) values = sections_.emplace(std::string(section), Values()).first;
  auto value = values->second.find(name);
  if (value == values->second.end()) {
    values->second.emplace(std::string(name), std::move(stored));
  } else {
    value->second = std::move(stored);
  }
}

void SettingsTable::Merge(const SettingsTable& other) {
  for (const auto& [section, values] : other.sections_) {
    for (const auto& [name, stored] : values) Set(section, name, stored);
  }
}

}  // namespace orvella::platform
