#include "platform/settings_store.h"

#include <bit>

#include "platform/little_endian.h"

namespace orvella::platform {
namespace {

constexpr std::size_t kDoubleSize = 8;

// Byte order is fixed to little-endian so a settings file means the same on every machine.
Bytes DoubleToBytes(double value) {
  Bytes bytes(kDoubleSize);
  StoreLittleEndian(std::bit_cast<std::uint64_t>(value), bytes.data());
  return bytes;
}

double BytesToDouble(const Bytes& bytes) {
  return std::bit_cast<double>(LoadLittleEndian<std::uint64_t>(bytes.data()));
}

}  // namespace

double SettingsStore::ReadDouble(std::string_view section, std::string_view name,
                                 double fallback) const {
  const std::optional<Bytes> bytes = ReadBinary(section, name, kDoubleSize);
  return bytes ? BytesToDouble(*bytes) : fallback;
}

void SettingsStore::WriteDouble(std::string_view section, std::string_view name,
                                double value) {
  WriteBinary(section, name, DoubleToBytes(value));
}

Bytes SettingsStore::ReadRecord(std::string_view section, std::string_view name,
                                const Bytes& fallback) const {
  return ReadBinary(section, name, fallback.size()).value_or(fallback);
}

}  // namespace orvella::platform
