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

// fmod(x, pi) == 0, which is exact and slow. A multiple k*pi times 1/pi lies within a
// few units of the last place of the integer k, so a quotient far from every integer
// answers at once; only the rest go to fmod.
bool IsMultipleOfPi(double x) {
  if (x == 0.0) return true;
  const double q = x * (1.0 / kPi);
  if (std::fabs(q) < 1e9) {
    const double fraction = std::fabs(q - static_cast<double>(static_cast<long long>(q)));
    if (fraction > 1e-6 && fraction < 1.0 - 1e-6) return false;
  }
  return std::fmod(x, kPi) == 0.0;
}

// --- kernels: one argument in, one value out, angles in radians ---

double Exp(double x) { return std::exp(x); }
double NaturalLog(double x) { return std::log(x); }
double DecimalLog(double x) { return std::log10(x); }
double Abs(double x) { return std::fabs(x); }
double SquareRoot(double x) { return std::sqrt(x); }
double Square(double x) { return x * x; }
double Ceil(double x) { return std::ceil(x); }
double Floor(double x) { return std::floor(x); }
double Degrees(double x) { return x * 57.29577951308232; }
double Radians(double x) { return x * 0.017453292519943295; }

// Exact zeros at the multiples of the rounded pi, where sin and cos leave a residue of
// about 1E-16 times x, and +infinity (out of range) at the poles. Only a value that small
// can come from such a multiple, so the exact test runs only then.
bool SineMayVanish(double x, double sine) { return std::fabs(sine) <= std::fabs(x) * 2e-16; }
bool CosineMayVanish(double x, double cosine) {
  return std::fabs(cosine) <= (std::fabs(x) + 2.0) * 1e-15;
}
bool IsSineZero(double x, double sine) { return SineMayVanish(x, sine) && IsMultipleOfPi(x); }
bool IsCosineZero(double x, double cosine) {
  return CosineMayVanish(x, cosine) && IsMultipleOfPi(x + kHalfPi);
}

double Sine(double x) {
  const double s = std::sin(x);
  return IsSineZero(x, s) ? 0.0 : s;
}
double Cosine(double x) {
  const double c = std::cos(x);
  return IsCosineZero(x, c) ? 0.0 : c;
}
double Tangent(double x) {
  const double s = std::sin(x);
  const double c = std::cos(x);
  if (IsSineZero(x, s)) return 0.0;
  if (IsCosineZero(x, c)) return kInfinity;
  return std::tan(x);
}
double Secant(double x) {
  const double c = std::cos(x);
  return IsCosineZero(x, c) ? kInfinity : 1.0 / c;
}
double Cosecant(double x) {
  const double s = std::sin(x);
  return IsSineZero(x, s) ? kInfinity : 1.0 / s;
}
double Cotangent(double x) {
  const double s = std::sin(x);
  const double c = std::cos(x);
  if (IsSineZero(x, s)) return kInfinity;
  if (IsCosineZero(x, c)) return 0.0;
  return 1.0 / std::tan(x);
}

double ArcSine(double x) { return std::asin(x); }
double ArcCosine(double x) { return std::acos(x); }
double ArcTangent(double x) { return std::atan2(x, 1.0); }
double ArcSecant(double x) { return std::acos(1.0 / x); }
double ArcCosecant(double x) { return std::asin(1.0 / x); }
double ArcCotangent(double x) { return std::atan2(1.0 / x, 1.0); }  // ACOT(0) is pi/2

double Sinh(double x) { return std::sinh(x); }
double Cosh(double x) { return std::cosh(x); }
double Tanh(double x) { return std::tanh(x); }
double HyperbolicSecant(double x) { return 1.0 / std::cosh(x); }
double HyperbolicCosecant(double x) { return 1.0 / std::sinh(x); }
double HyperbolicCotangent(double x) { return 1.0 / std::tanh(x); }

// Outside their domains these give non-finite values, which fail with 46 and not 40: the
// inverse hyperbolic functions take no domain test. Inside, the library functions keep
// full precision where the logarithm formulas lose it (ASINH(-1E10)).
double AreaSine(double x) { return std::asinh(x); }
double AreaCosine(double x) { return std::acosh(x); }
double AreaTangent(double x) { return std::atanh(x); }
double AreaSecant(double x) { return std::acosh(1.0 / x); }
double AreaCosecant(double x) { return std::asinh(1.0 / x); }
double AreaCotangent(double x) { return std::atanh(1.0 / x); }

// --- the general call of a kernel, by its form ---

template <UnaryForm Form, double (*Kernel)(double)>
CalcError CallKernel(CallContext& c, const double* a, int, double& r) {
  const double x = a[0];
  if constexpr (Form == UnaryForm::kAngleIn) {
    r = Kernel(c.ToRadians(x));
  } else if constexpr (Form == UnaryForm::kAngleOut) {
    r = Kernel(x);
    if (std::isnan(r) && !std::isnan(x)) return kInvalidArgument;
    r = c.FromRadians(r);
  } else if constexpr (Form == UnaryForm::kNonNegative) {
    if (x < 0.0) return kNegativeSquareRoot;
    r = Kernel(x);
  } else if constexpr (Form == UnaryForm::kPositive) {
    if (x <= 0.0) return kNonPositiveLogarithm;
    r = Kernel(x);
  } else {
    r = Kernel(x);
  }
  return kNoError;
}

template <UnaryForm Form, double (*Kernel)(double)>
constexpr FunctionEntry Unary(int id) {
  return FunctionEntry{id, &CallKernel<Form, Kernel>, Kernel, Form, true};
}

// --- functions with rules of their own ---

CalcError Logn(CallContext&, const double* a, int, double& r) {
  if (a[0] <= 0.0 || a[1] <= 0.0) return kNonPositiveLogarithm;
  r = std::log(a[1]) / std::log(a[0]);  // base 1 divides by zero: out of range
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
  r = std::fmod(a[0], a[1]);  // the sign of the number
  return std::isnan(r) && !std::isnan(a[0]) && !std::isnan(a[1]) ? kInvalidArgument : kNoError;
}

namespace id = function_id;
using F = UnaryForm;

constexpr std::array<FunctionEntry, 38> kEntries = {{
    Unary<F::kPlain, Exp>(id::kExp),
    Unary<F::kPositive, NaturalLog>(id::kLn),
    Unary<F::kPositive, DecimalLog>(id::kLog),
    {id::kLogn, &Logn, nullptr, F::kNone, true},
    Unary<F::kPlain, Abs>(id::kAbs),
    Unary<F::kNonNegative, SquareRoot>(id::kSqrt),
    Unary<F::kPlain, Square>(id::kSqr),
    {id::kInt, &Int, nullptr, F::kNone, true},
    Unary<F::kPlain, Ceil>(id::kCeil),
    Unary<F::kPlain, Floor>(id::kFloor),
    {id::kFact, &Fact, nullptr, F::kNone, true},
    Unary<F::kPlain, Degrees>(id::kDeg),
    Unary<F::kPlain, Radians>(id::kRad),
    {id::kMod, &Mod, nullptr, F::kNone, true},
    Unary<F::kAngleIn, Sine>(id::kSin),
    Unary<F::kAngleIn, Cosine>(id::kCos),
    Unary<F::kAngleIn, Tangent>(id::kTan),
    Unary<F::kAngleIn, Secant>(id::kSec),
    Unary<F::kAngleIn, Cosecant>(id::kCsc),
    Unary<F::kAngleIn, Cotangent>(id::kCot),
    Unary<F::kAngleOut, ArcSine>(id::kAsin),
    Unary<F::kAngleOut, ArcCosine>(id::kAcos),
    Unary<F::kAngleOut, ArcTangent>(id::kAtan),
    Unary<F::kAngleOut, ArcSecant>(id::kAsec),
    Unary<F::kAngleOut, ArcCosecant>(id::kAcsc),
    Unary<F::kAngleOut, ArcCotangent>(id::kAcot),
    Unary<F::kPlain, Sinh>(id::kSinh),
    Unary<F::kPlain, Cosh>(id::kCosh),
    Unary<F::kPlain, Tanh>(id::kTanh),
    Unary<F::kPlain, HyperbolicSecant>(id::kSech),
    Unary<F::kPlain, HyperbolicCosecant>(id::kCsch),
    Unary<F::kPlain, HyperbolicCotangent>(id::kCoth),
    Unary<F::kPlain, AreaSine>(id::kAsinh),
    Unary<F::kPlain, AreaCosine>(id::kAcosh),
    Unary<F::kPlain, AreaTangent>(id::kAtanh),
    Unary<F::kPlain, AreaSecant>(id::kAsech),
    Unary<F::kPlain, AreaCosecant>(id::kAcsch),
    Unary<F::kPlain, AreaCotangent>(id::kAcoth),
}};

}  // namespace

std::span<const FunctionEntry> ElementaryFunctions() { return kEntries; }

}  // namespace orvella
