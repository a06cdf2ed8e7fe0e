// The order in which data values are sorted: IEEE comparison, with NaN placed after every
// number in either direction. std::sort needs a strict weak order, which plain '<' is not
// once a NaN is present (and libstdc++ may then run past the range).
#pragma once

#include <cmath>

namespace orvella {

inline bool SortsBefore(double a, double b, bool descending) {
  if (std::isnan(a) || std::isnan(b)) return !std::isnan(a) && std::isnan(b);
  return descending ? a > b : a < b;
}

}  // namespace orvella
