#include "engine/integer_power.h"

#include <cmath>

namespace orvella {

// On processors with fused multiply-add the fma below is one instruction; elsewhere the
// library's exact fma keeps the result right, only slower.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("fma", "default")))
#endif
double IntegerPower(double x, int n) {
  double high = x;
  double low = 0.0;
  for (int k = 1; k < n; ++k) {
    const double product = high * x;
    const double error = std::fma(high, x, -product);  // high * x == product + error
    low = std::fma(low, x, error);
    high = product;
  }
  const double result = high + low;
  // Below 2^-960 the products are no longer exact.
  if (!std::isfinite(result) || std::fabs(result) < 0x1p-960) return std::pow(x, n);
  return result;
}

}  // namespace orvella
