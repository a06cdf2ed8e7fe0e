// Romberg integration: trapezoid stages extrapolated to step size zero.
#pragma once

#include "library/real_function.h"

namespace orvella {

// Closed Romberg on [a, b] (samples the end points). Codes: those of f; 35 after 20
// stages without convergence.
CalcError RombergClosed(const RealFunction& f, double a, double b, double eps, double& result);

}  // namespace orvella
