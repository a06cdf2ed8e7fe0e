// Our own higher-function routines: series, recurrences and continued fractions to full
// double precision. Each returns kUnknownError for the failures of the function (its
// argument outside the domain, no convergence); a result beyond the double range is
// returned as an infinity, which the evaluator reports as out of range.
#pragma once

#include "engine/calc_error.h"

namespace orvella {

// Truncation toward zero to a signed 32-bit integer; false for NaN and values outside.
bool TruncateToInt32(double value, int& out);

// BICO: the binomial coefficient of the truncated n and k; fails for n < 0, k < 0 or
// k > n (the log-factorial of a negative number).
CalcError BinomialCoefficient(double n, double k, double& result);

// FACTLN: ln(n!) of the truncated n, 0 for n <= 1; fails for n < 0.
CalcError LogFactorial(double n, double& result);

// BESSELJS, BESSELYS: spherical Bessel functions j_n(x), y_n(x) of the truncated order;
// fail for n < 0 or x <= 0, and for orders above 100000 unless the result is beyond
// the double range there.
CalcError SphericalBesselJ(double n, double x, double& result);
CalcError SphericalBesselY(double n, double x, double& result);

// EXPEI: the exponential integral Ei(x); Ei(0) is -infinity.
CalcError ExponentialIntegralEi(double x, double& result);

// FRESNELS, FRESNELC: S(x), the integral of sin(pi t^2 / 2) from 0 to x, and C(x), that of
// the cosine.
CalcError FresnelS(double x, double& result);
CalcError FresnelC(double x, double& result);

// GAMMAP, GAMMAQ: the regularised incomplete gamma functions P(a, x) and Q(a, x) = 1 - P;
// fail for x < 0 or a <= 0 (and a infinite).
CalcError RegularizedGammaP(double a, double x, double& result);
CalcError RegularizedGammaQ(double a, double x, double& result);

// COSINT, SININT: Ci(x) and Si(x). Ci is not real for x < 0, which fails; Ci(0) is
// -infinity.
CalcError CosineIntegral(double x, double& result);
CalcError SineIntegral(double x, double& result);

}  // namespace orvella
