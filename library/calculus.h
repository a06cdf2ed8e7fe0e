// FSUM's series sum. FINT, FDIFF, FZERO and FSUM themselves are registered through
// CalculusFunctions() (library/function_dispatch.h).
#pragma once

#include "library/real_function.h"

namespace orvella {

// More terms than a desktop evaluation should spend on one sum (about a second); FSUM over
// an absurd range or with a vanishing step fails with 35 instead of hanging.
inline constexpr double kMaxSeriesTerms = 1e7;

// Sum of f(x) for x = min(a, b), min(a, b) + s, ... up to max(a, b), s = |step| or 1 for a
// step of 0. Codes: those of f (the first failing term); 35 for more than kMaxSeriesTerms
// terms or a step too small to advance x; 13 for a limit or step that is not a number.
CalcError SeriesSum(const RealFunction& f, double a, double b, double step, double& result);

}  // namespace orvella
