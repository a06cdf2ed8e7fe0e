// The settings store of a desktop session: one INI file per user (platform/user_locations.h).
#pragma once

#include <filesystem>
#include <memory>

#include "platform/table_settings_store.h"

namespace orvella::platform {

// Reads the file once, when constructed; a missing, unreadable or damaged file gives empty
// settings. Writes stay in memory until Save.
//
// Two running copies: Save reads the file as it is then, applies this copy's writes over it
// and replaces the file whole. Values written by another copy survive unless this copy wrote
// the same value; only when two saves overlap in time does the later one replace the other's
// file entirely. The file is never a mix of both.
class IniSettingsStore final : public TableSettingsStore {
 public:
  explicit IniSettingsStore(std::filesystem::path file);

  // The store at the user's settings location; none when no location can be found.
  static std::unique_ptr<IniSettingsStore> OpenForUser();

  // False when the file could not be replaced; the writes are then kept for the next Save.
  bool Save() override;

  const std::filesystem::path& file() const { return file_; }

 private:
  void OnWrite(std::string_view section, std::string_view name,
               const std::string& stored) override;

  std::filesystem::path file_;
  SettingsTable unsaved_;  // this copy's writes since the last successful Save
};

}  // namespace orvella::platform
