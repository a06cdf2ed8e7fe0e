// A function of one real variable as the numerical routines see it.
#pragma once

#include <functional>

#include "engine/calc_error.h"

namespace orvella {

// Writes f(x) into y, or returns the code of the failing evaluation.
using RealFunction = std::function<CalcError(double x, double& y)>;

}  // namespace orvella
