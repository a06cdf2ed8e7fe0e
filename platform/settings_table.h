// Sections of named values in their stored text form (platform/settings_encoding.h), looked up
// without regard to ASCII case. Every settings store keeps its values in one.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace orvella::platform {

struct CaseInsensitiveLess {
  using is_transparent = void;
  bool operator()(std::string_view left, std::string_view right) const;
};

class SettingsTable {
 public:
  using Values = std::map<std::string, std::string, CaseInsensitiveLess>;
  using Sections = std::map<std::string, Values, CaseInsensitiveLess>;

  // Null when the section or the value is absent.
  const std::string* Find(std::string_view section, std::string_view name) const;
  void Set(std::string_view section, std::string_view name, std::string stored);
  // Every value of `other` set here, the others kept.
  void Merge(const SettingsTable& other);

  const Sections& sections() const { return sections_; }

 private:
  Sections sections_;
};

}  // namespace orvella::platform
