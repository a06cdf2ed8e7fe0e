// The all-roots search behind CCalcEngine::FindZeros, for any function of x.
#pragma once

#include <vector>

#include "library/real_function.h"

namespace orvella {

// Brent's method with tolerance eps on each of steps sub-intervals of [a, b]; the roots
// found are appended, a root on a sub-interval boundary possibly twice. Codes: 13 for
// a >= b, steps <= 0 or eps < 1E-15; 36 when no sub-interval gave a root. Failures inside a
// sub-interval (no sign change, a pole, a failing evaluation) only skip it.
CalcError FindZerosOf(const RealFunction& f, double a, double b, int steps, double eps,
                      std::vector<double>& roots);

}  // namespace orvella
