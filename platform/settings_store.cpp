#include "platform/settings_store.h"

#include <bit>

namespace orvella::platform {
namespace {

constexpr std::size_t kDoubleSize = 8;

// Byte order is fixed to little-endian so a settings file means the same on every machine.
Bytes DoubleToBytes(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  Bytes bytes(kDoubleSize);
  for (std::size_t i = 0; i < kDoubleSize; ++i) {
    bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
  return bytes;
}

double BytesToDouble(const Bytes& bytes) {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < kDoubleSize; ++i) {
    bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
  }
  return std::bit_cast<double>(bits);
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
