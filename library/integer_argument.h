// Integer arguments (payment type, bit-wise operands, shift counts) are truncated toward
// zero to a signed 32-bit integer.
#pragma once

#include <cmath>
#include <cstdint>

namespace orvella {

// The low 32 bits of the truncated value, as the display of a base shows them; 0 for
// values too large to truncate.
inline std::int32_t IntegerArgument(double value) {
  const double t = std::trunc(value);
  if (!(std::fabs(t) < 9.2e18)) return 0;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(t)));
}

// Whether the truncated value is a 32-bit pattern, written signed (-2^31 ..) or
// unsigned (.. 2^32 - 1), so 0xFFFFFFFF reads as -1 and nothing larger wraps silently.
inline bool IsInt32Pattern(double value) {
  const double t = std::trunc(value);
  return t >= -2147483648.0 && t <= 4294967295.0;
}

}  // namespace orvella
