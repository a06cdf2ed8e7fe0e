// The reads and writes common to every settings store: values kept in a SettingsTable in
// their encoded form, so a value behaves the same in memory as in the settings file.
#pragma once

#include "platform/settings_store.h"
#include "platform/settings_table.h"

namespace orvella::platform {

class TableSettingsStore : public SettingsStore {
 public:
  std::int32_t ReadInt(std::string_view section, std::string_view name,
                       std::int32_t fallback) const override;
  std::string ReadText(std::string_view section, std::string_view name,
                       std::string_view fallback) const override;
  std::optional<Bytes> ReadBinary(std::string_view section, std::string_view name,
                                  std::size_t size) const override;

  // A write with an empty section or value name is ignored: the file could not hold it.
  void WriteInt(std::string_view section, std::string_view name, std::int32_t value) override;
  void WriteText(std::string_view section, std::string_view name,
                 std::string_view value) override;
  void WriteBinary(std::string_view section, std::string_view name,
                   const Bytes& value) override;

 protected:
  explicit TableSettingsStore(SettingsTable values = {}) : values_(std::move(values)) {}

  // Called after each write is in values_.
  virtual void OnWrite(std::string_view section, std::string_view name,
                       const std::string& stored) = 0;

  SettingsTable values_;

 private:
  void Store(std::string_view section, std::string_view name, std::string stored);
};

}  // namespace orvella::platform
