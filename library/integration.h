// FINT's integral: the choice of method for the limits and the integrand.
#pragma once

#include "library/real_function.h"

namespace orvella {

// Integral of f from a to b to the relative tolerance eps. a may be -infinity (a NaN reads
// as -infinity) and b +infinity; reversed infinite limits change the sign. Codes: those of
// f; 35 when no method converges; 13 when b is not a number.
CalcError Integrate(const RealFunction& f, double a, double b, double eps, double& result);

}  // namespace orvella
