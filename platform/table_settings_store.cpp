#include "platform/table_settings_store.h"

#include "platform/settings_encoding.h"

namespace orvella::platform {

std::int32_t TableSettingsStore::ReadInt(std::string_view section, std::string_view name,
                                         std::int32_t fallback) const {
  const std::string* stored = values_.Find(section, name);
  return stored ? DecodeInt(*stored).value_or(fallback) : fallback;
}

std::string TableSettingsStore::ReadText(std::string_view section, std::string_view name,
                                         std::string_view fallback) const {
  const std::string* stored = values_.Find(section, name);
  if (!stored) return std::string(fallback);
  return DecodeText(*stored).value_or(std::string(fallback));
}

std::optional<Bytes> TableSettingsStore::ReadBinary(std::string_view section,
                                                    std::string_view name,
                                                    std::size_t size) const {
  const std::string* stored = values_.Find(section, name);
  if (!stored) return std::nullopt;
  std::optional<Bytes> bytes = DecodeBytes(*stored);
  if (!bytes || bytes->size() != size) return std::nullopt;
  return bytes;
}

void TableSettingsStore::WriteInt(std::string_view section, std::string_view name,
                                  std::int32_t value) {
  Store(section, name, EncodeInt(value));
}

void TableSettingsStore::WriteText(std::string_view section, std::string_view name,
                                   std::string_view value) {
  Store(section, name, EncodeText(value));
}

void TableSettingsStore::WriteBinary(std::string_view section, std::string_view name,
                                     const Bytes& value) {
  Store(section, name, EncodeBytes(value));
}

void TableSettingsStore::Store(std::string_view section, std::string_view name,
                               std::string stored) {
  if (section.empty() || name.empty()) return;
  values_.Set(section, name, stored);
  OnWrite(section, name, stored);
}

}  // namespace orvella::platform
