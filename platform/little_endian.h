// Integers in byte buffers, least significant byte first: the byte order of the stored files
// and of the binary settings, whatever the machine's own order is.
#pragma once

#include <cstddef>
#include <type_traits>

namespace orvella::platform {

template <typename Unsigned>
void StoreLittleEndian(Unsigned value, unsigned char* out) {
  static_assert(std::is_unsigned_v<Unsigned>);
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
    out[i] = static_cast<unsigned char>(value >> (8 * i));
  }
}

template <typename Unsigned>
Unsigned LoadLittleEndian(const unsigned char* in) {
  static_assert(std::is_unsigned_v<Unsigned>);
  Unsigned value = 0;
  for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
    value = static_cast<Unsigned>(value | (static_cast<Unsigned>(in[i]) << (8 * i)));
  }
  return value;
}

}  // namespace orvella::platform
