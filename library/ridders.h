// Numerical differentiation by Ridders' extrapolation of central differences.
#pragma once

#include "library/real_function.h"

namespace orvella {

// Ridders' estimate of f'(x) for the initial step h, with its error estimate. Codes: those
// of f; 13 for h = 0 or x + h == x.
CalcError RiddersEstimate(const RealFunction& f, double x, double h, double& derivative,
                          double& error);

// f'(x) to the relative tolerance eps (absolute for a derivative below 1E-15), trying the
// steps 0.1, 0.01, ... Codes: those of f; 13 for eps < 1E-15 or a step lost against x;
// 35 after 15 steps.
CalcError RiddersDerivative(const RealFunction& f, double x, double eps, double& result);

}  // namespace orvella
