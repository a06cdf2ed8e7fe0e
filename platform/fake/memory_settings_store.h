// The settings store held in memory, for tests of the subsystems that read and write
// settings. Values are kept in the same encoded form as in the settings file, so a value
// that would read as its default from the file reads as its default here too.
#pragma once

#include "platform/table_settings_store.h"

namespace orvella::platform {

class MemorySettingsStore final : public TableSettingsStore {
 public:
  MemorySettingsStore() = default;

  bool Save() override;

  // What a test checks when a value must be made durable at once (and not just at exit).
  int SaveCount() const { return saveCount_; }
  int WritesSinceSave() const { return writesSinceSave_; }

 private:
  void OnWrite(std::string_view section, std::string_view name,
               const std::string& stored) override;

  int saveCount_ = 0;
  int writesSinceSave_ = 0;
};

}  // namespace orvella::platform
