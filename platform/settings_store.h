// The per-user settings store: values by section and name, read with a default at start-up
// or when their owner is created, written when the user confirms a change or at exit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvella::platform {

using Bytes = std::vector<std::uint8_t>;

// Section and value names are compared without regard to ASCII case, as the settings of the
// original platform were; the spelling first written is the one kept.
//
// There are three stored kinds: 32-bit integers, texts (any bytes; UTF-8 by convention) and
// binary values. Doubles and fixed records are binary values of an exact size, so a value of
// any other length reads as the default, and so does a value written as another kind, with
// one exception kept for hand-edited files: integers and texts that are decimal numbers read
// as each other.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  virtual std::int32_t ReadInt(std::string_view section, std::string_view name,
                               std::int32_t fallback) const = 0;
  virtual std::string ReadText(std::string_view section, std::string_view name,
                               std::string_view fallback) const = 0;
  // The stored bytes only when exactly `size` of them are stored.
  virtual std::optional<Bytes> ReadBinary(std::string_view section, std::string_view name,
                                          std::size_t size) const = 0;

  virtual void WriteInt(std::string_view section, std::string_view name,
                        std::int32_t value) = 0;
  virtual void WriteText(std::string_view section, std::string_view name,
                         std::string_view value) = 0;
  virtual void WriteBinary(std::string_view section, std::string_view name,
                           const Bytes& value) = 0;

  // Makes the writes so far durable; false when they could not be stored (they are kept and
  // a later Save tries again).
  virtual bool Save() = 0;

  // An IEEE-754 double as 8 little-endian bytes.
  double ReadDouble(std::string_view section, std::string_view name, double fallback) const;
  void WriteDouble(std::string_view section, std::string_view name, double value);

  // A fixed record: the fallback's size is the record's size.
  Bytes ReadRecord(std::string_view section, std::string_view name,
                   const Bytes& fallback) const;
};

}  // namespace orvella::platform
