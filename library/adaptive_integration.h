// Adaptive Gauss-Kronrod integration (GSL's QAGS and QAGI) for the integrals Romberg's
// method gets wrong without noticing: end-point singularities and infinite ranges.
#pragma once

#include "library/real_function.h"

namespace orvella {

// Integral of f over [a, b] without sampling the end points (QAGS).
CalcError AdaptiveFinite(const RealFunction& f, double a, double b, double eps, double& result);
// Integral of f over [a, +infinity) (QAGIU).
CalcError AdaptiveToInfinity(const RealFunction& f, double a, double eps, double& result);
// Integral of f over (-infinity, b] (QAGIL).
CalcError AdaptiveFromInfinity(const RealFunction& f, double b, double eps, double& result);

// Codes of all three: the first failing evaluation of f; 35 when the requested accuracy
// is not reached (subdivision limit, round-off, divergence or a non-integrable singularity).
// Converged means GSL's estimate meets eps relative, or, for a result below 1E-15, eps
// absolute, the same test as Romberg's; a divergence verdict is always 35.

}  // namespace orvella
