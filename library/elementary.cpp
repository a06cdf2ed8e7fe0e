// The algebraic, trigonometric and hyperbolic functions and their inverses.
#include <array>
#include <cmath>
#include <limits>

#include "engine/call_context.h"
#include "library/function_dispatch.h"
#include "library/function_ids.h"

namespace orvella {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = kPi / 2;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// fmod(x, pi) == 0, with the common case |x| < pi answered without the division.
bool IsMultipleOfPi(double x) {
  if (x == 0.0) return true;
  if (std::fabs(x) < kPi) return false;
  return std::fmod(x, kPi) == 0.0;
}

// A NaN from arguments that were numbers is the domain error of the C library function.
CalcError DomainChecked(double value, double argument, double& result) {
  result = value;
  return std::isnan(value) && !std::isnan(argument) ? kInvalidArgument : kNoError;
}

template <double (*F)(double)>
CalcError Plain(CallContext&, const double* a, int, double& r) {
  r = F(a[0]);
  return kNoError;
}

// The C library functions wrapped, since their addresses may not be taken directly.
double Exp(double x) { return std::exp(x); }
double Abs(double x) { return std::fabs(x); }
double Ceil(double x) { return std::ceil(x); }
double Floor(double x) { return std::floor(x); }
double Sinh(double x) { return std::sinh(x); }
double Cosh(double x) { return std::cosh(x); }
double Tanh(double x) { return std::tanh(x); }
double Square(double x) { return x * x; }
double Degrees(double x) { return x * 57.29577951308232; }
double Radians(double x) { return x * 0.017453292519943295; }
double HyperbolicSecant(double x) { return 1.0 / std::cosh(x); }
double HyperbolicCosecant(double x) { return 1.0 / std::sinh(x); }
double HyperbolicCotangent(double x) { return 1.0 / std::tanh(x); }
double Atan(double x) { return std::atan2(x, 1.0); }
// Outside their domains these give non-finite values, which fail with 46 and not 40: the
// inverse hyperbolic functions take no domain test. Inside, the library functions keep
// full precision where the logarithm formulas lose it (ASINH(-1E10)).
double AreaSine(double x) { return std::asinh(x); }
double AreaCosine(double x) { return std::acosh(x); }
double AreaTangent(double x) { return std::atanh(x); }
double AreaSecant(double x) { return std::acosh(1.0 / x); }
double AreaCosecant(double x) { return std::asinh(1.0 / x); }
double AreaCotangent(double x) { return std::atanh(1.0 / x); }

CalcError Ln(CallContext&, const double* a, int, double& r) {
  if (a[0] <= 0.0) return kNonPositiveLogarithm;
  r = std::log(a[0]);
  return kNoError;
}

CalcError Log(CallContext&, const double* a, int, double& r) {
  if (a[0] <= 0.0) return kNonPositiveLogarithm;
  r = std::log10(a[0]);
  return kNoError;
}

CalcError Logn(CallContext&, const double* a, int, double& r) {
  if (a[0] <= 0.0 || a[1] <= 0.0) return kNonPositiveLogarithm;
  r = std::log(a[1]) / std::log(a[0]);  // base 1 divides by zero: out of range
  return kNoError;
}

CalcError Sqrt(CallContext&, const double* a, int, double& r) {
  if (a[0] < 0.0) return kNegativeSquareRoot;
  r = std::sqrt(a[0]);
  return kNoError;
}

// Truncation toward zero to a signed 32-bit integer; values outside that range are
// refused rather than wrapped into a wrong number.
CalcError Int(CallContext&, const double* a, int, double& r) {
  double t = std::trunc(a[0]);
  if (!(t >= -2147483648.0 && t <= 2147483647.0)) return kNumberOutOfRange;
  r = t;
  return kNoError;
}

CalcError Fact(CallContext&, const double* a, int, double& r) {
  double n = std::trunc(a[0]);
  if (n < 0.0) return kInvalidArgument;
  if (!(n <= 170.0)) {
    r = 1e300;
    return kNumberOutOfRange;
  }
  double product = 1.0;
  for (int k = static_cast<int>(n); k >= 2; --k) product *= k;
  r = product;
  return kNoError;
}

CalcError Mod(CallContext&, const double* a, int, double& r) {
  r = std::fmod(a[0], a[1]);
  return std::isnan(r) && !std::isnan(a[0]) && !std::isnan(a[1]) ? kInvalidArgument : kNoError;
}

CalcError Sin(CallContext& c, const double* a, int, double& r) {
  double x = c.ToRadians(a[0]);
  r = IsMultipleOfPi(x) ? 0.0 : std::sin(x);
  return kNoError;
}

CalcError Cos(CallContext& c, const double* a, int, double& r) {
  double x = c.ToRadians(a[0]);
  r = IsMultipleOfPi(x + kHalfPi) ? 0.0 : std::cos(x);
  return kNoError;
}

CalcError Tan(CallContext& c, const double* a, int, double& r) {
  double x = c.ToRadians(a[0]);
  if (IsMultipleOfPi(x)) r = 0.0;
  else if (IsMultipleOfPi(x + kHalfPi)) r = kInfinity;
  else r = std::tan(x);
  return kNoError;
}

CalcError Sec(CallContext& c, const double* a, int, double& r) {
  double x = c.ToRadians(a[0]);
  r = IsMultipleOfPi(x + kHalfPi) ? kInfinity : 1.0 / std::cos(x);
  return kNoError;
}

CalcError Csc(CallContext& c, const double* a, int, double& r) {
  double x = c.ToRadians(a[0]);
  r = IsMultipleOfPi(x) ? kInfinity : 1.0 / std::sin(x);
  return kNoError;
}

CalcError Cot(CallContext& c, const double* a, int, double& r) {
  double x = c.ToRadians(a[0]);
  if (IsMultipleOfPi(x)) r = kInfinity;
  else if (IsMultipleOfPi(x + kHalfPi)) r = 0.0;
  else r = 1.0 / std::tan(x);
  return kNoError;
}

double ArcSine(double x) { return std::asin(x); }
double ArcCosine(double x) { return std::acos(x); }

// ASIN, ACOS and, through the reciprocal, ASEC and ACSC: outside [-1, 1] the C library
// reports a domain error.
template <double (*F)(double), bool kOfReciprocal>
CalcError InverseTrig(CallContext& c, const double* a, int, double& r) {
  double x = kOfReciprocal ? 1.0 / a[0] : a[0];
  CalcError code = DomainChecked(F(x), a[0], r);
  r = c.FromRadians(r);
  return code;
}

CalcError Arctan(CallContext& c, const double* a, int, double& r) {
  r = c.FromRadians(Atan(a[0]));
  return kNoError;
}

CalcError Acot(CallContext& c, const double* a, int, double& r) {
  r = c.FromRadians(std::atan2(1.0 / a[0], 1.0));  // ACOT(0) is pi/2
  return kNoError;
}

namespace id = function_id;

constexpr std::array<FunctionEntry, 38> kEntries = {{
    {id::kExp, &Plain<Exp>},
    {id::kLn, &Ln},
    {id::kLog, &Log},
    {id::kLogn, &Logn},
    {id::kAbs, &Plain<Abs>},
    {id::kSqrt, &Sqrt},
    {id::kSqr, &Plain<Square>},
    {id::kInt, &Int},
    {id::kCeil, &Plain<Ceil>},
    {id::kFloor, &Plain<Floor>},
    {id::kFact, &Fact},
    {id::kDeg, &Plain<Degrees>},
    {id::kRad, &Plain<Radians>},
    {id::kMod, &Mod},
    {id::kSin, &Sin},
    {id::kCos, &Cos},
    {id::kTan, &Tan},
    {id::kSec, &Sec},
    {id::kCsc, &Csc},
    {id::kCot, &Cot},
    {id::kAsin, &InverseTrig<ArcSine, false>},
    {id::kAcos, &InverseTrig<ArcCosine, false>},
    {id::kAtan, &Arctan},
    {id::kAsec, &InverseTrig<ArcCosine, true>},
    {id::kAcsc, &InverseTrig<ArcSine, true>},
    {id::kAcot, &Acot},
    {id::kSinh, &Plain<Sinh>},
    {id::kCosh, &Plain<Cosh>},
    {id::kTanh, &Plain<Tanh>},
    {id::kSech, &Plain<HyperbolicSecant>},
    {id::kCsch, &Plain<HyperbolicCosecant>},
    {id::kCoth, &Plain<HyperbolicCotangent>},
    {id::kAsinh, &Plain<AreaSine>},
    {id::kAcosh, &Plain<AreaCosine>},
    {id::kAtanh, &Plain<AreaTangent>},
    {id::kAsech, &Plain<AreaSecant>},
    {id::kAcsch, &Plain<AreaCosecant>},
    {id::kAcoth, &Plain<AreaCotangent>},
}};

}  // namespace

std::span<const FunctionEntry> ElementaryFunctions() { return kEntries; }

}  // namespace orvella
