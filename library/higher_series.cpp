#include "library/higher_series.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_sf_expint.h>
#include <gsl/gsl_sf_gamma.h>
#include <gsl/gsl_sf_log.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <complex>
#include <optional>
#include <limits>

#include "library/gsl_errors.h"

namespace orvella {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kEulerGamma = 0.5772156649015329;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Convergence tests: a series stops when its term no longer changes the sum; a continued
// fraction when its factor is 1 within two units of the last place (demanding more could
// stop it never converging, its factors wobbling at the last bit).
constexpr double kEpsilon = 1e-17;
constexpr double kFractionEpsilon = 2.0 * DBL_EPSILON;
constexpr double kTiny = 1e-300;  // Lentz's stand-in for a zero denominator

// ---------------------------------------------------------------- factorials

constexpr int kCachedFactorials = 100;

// ln(n!) for n <= 100, summed once in extended precision so that every entry is the
// correctly rounded double.
const std::array<double, kCachedFactorials + 1>& SmallLogFactorials() {
  static const auto table = [] {
    std::array<double, kCachedFactorials + 1> t{};
    long double sum = 0.0L;
    for (int n = 2; n <= kCachedFactorials; ++n) {
      sum += std::log(static_cast<long double>(n));
      t[n] = static_cast<double>(sum);
    }
    return t;
  }();
  return table;
}

// ------------------------------------------------------------ spherical Bessel

// Beyond this order the recurrences would take too long; there we only answer where the
// result is certainly beyond the double range (x below half the order).
constexpr int kMaxBesselOrder = 100000;

// j_n(x) for x^2 < n + 1.5: x^n / (2n+1)!! times a fast alternating series.
double SphericalJSeries(int n, double x) {
  double prefix = 1.0;
  for (int k = 1; k <= n && prefix != 0.0; ++k) prefix *= x / (2.0 * k + 1.0);
  if (prefix == 0.0) return 0.0;
  const double half = -0.5 * x * x;
  double term = 1.0, sum = 1.0;
  for (int k = 1; std::fabs(term) > kEpsilon * std::fabs(sum); ++k) {
    term *= half / (k * (2.0 * n + 2.0 * k + 1.0));
    sum += term;
  }
  return prefix * sum;
}

double SphericalJ0(double x) { return std::sin(x) / x; }
double SphericalJ1(double x) { return (std::sin(x) / x - std::cos(x)) / x; }

// Upward recurrence, stable while the order stays below x.
double SphericalJUpward(int n, double x) {
  double previous = SphericalJ0(x), current = SphericalJ1(x);
  for (int k = 1; k < n; ++k) {
    const double next = (2.0 * k + 1.0) / x * current - previous;
    previous = current;
    current = next;
  }
  return n == 0 ? previous : current;
}

// Miller's downward recurrence from far above the order, scaled to the known j_0 and j_1
// by least squares (either may be near a zero).
double SphericalJDownward(int n, double x) {
  const double top = std::max<double>(n, x);
  const int start = static_cast<int>(top + 20.0 + std::sqrt(400.0 * top));
  double above = 0.0, current = 1e-300, atOrder = 0.0;
  for (int k = start; k > 0; --k) {
    const double below = (2.0 * k + 1.0) / x * current - above;
    above = current;
    current = below;
    if (k - 1 == n) atOrder = current;
    if (std::fabs(current) > 1e250) {  // rescale; a result scaled to 0 is an underflow
      current *= 1e-250;
      above *= 1e-250;
      atOrder *= 1e-250;
    }
  }
  // current is j_0 and above is j_1, both times the same unknown factor.
  const double size = std::max(std::fabs(current), std::fabs(above));
  const double c0 = current / size, c1 = above / size;
  const double scale = (SphericalJ0(x) * c0 + SphericalJ1(x) * c1) / (c0 * c0 + c1 * c1);
  return atOrder / size * scale;
}

// y_n by upward recurrence, stable for all x; stops once out of the double range.
double SphericalYUpward(int n, double x) {
  double previous = -std::cos(x) / x;
  double current = (previous - std::sin(x)) / x;
  if (n == 0) return previous;
  for (int k = 1; k < n; ++k) {
    const double next = (2.0 * k + 1.0) / x * current - previous;
    previous = current;
    current = next;
    if (std::isinf(current)) break;  // beyond the double range; going on would give NaN
  }
  return current;
}

CalcError BesselArguments(double n, double x, int& order) {
  if (!TruncateToInt32(n, order) || order < 0 || !(x > 0.0)) return kUnknownError;
  return kNoError;
}

// ------------------------------------------------------------ shared series shapes

// Two series summed together from one power series: p_k = p_(k-1) t / k, divided by
// divisor(k), goes to `even` for even k and to `odd` for odd k, with the signs + + - - of
// k / 2. The Fresnel and the sine and cosine integrals are such pairs.
struct EvenOddSums {
  double even = 0.0;
  double odd = 0.0;
};

template <typename Divisor>
EvenOddSums EvenOddSeries(double t, double power, int firstK, int lastK, EvenOddSums sum,
                          Divisor divisor) {
  for (int k = firstK; k < lastK; ++k) {
    power *= t / k;
    const double term = power / divisor(k) * ((k / 2) % 2 == 0 ? 1.0 : -1.0);
    double& target = k % 2 == 0 ? sum.even : sum.odd;
    target += term;
    if (std::fabs(power) < kEpsilon * std::fabs(target)) break;
  }
  return sum;
}

// 1 / (b_1 + a_2 / (b_2 + a_3 / (b_3 + ...))) with b_k = b_1 + (k - 1) step, by the
// modified Lentz method; none when it has not converged by term `lastK`.
template <typename Numerator>
std::optional<std::complex<double>> ComplexLentz(std::complex<double> b, double step,
                                                 Numerator numerator, int lastK) {
  using Complex = std::complex<double>;
  Complex c(1.0 / kTiny, 0.0);
  Complex d = 1.0 / b;
  Complex h = d;
  for (int k = 2; k <= lastK; ++k) {
    const double a = numerator(k);
    b += step;
    d = 1.0 / (a * d + b);
    c = b + a / c;
    const Complex delta = c * d;
    h *= delta;
    if (std::fabs(delta.real() - 1.0) + std::fabs(delta.imag()) < kFractionEpsilon) return h;
  }
  return std::nullopt;
}

// ---------------------------------------------------------------------- Fresnel

constexpr double kFresnelSeriesLimit = 1.5;
constexpr int kFresnelIterations = 100;
constexpr int kFresnelSeriesTerms = 200;

struct FresnelPair {
  double c = 0.0;
  double s = 0.0;
};

// Power series of C and S together: the k-th term (pi x^2 / 2)^k x / k! / (2k + 1) goes
// to C for even k, to S for odd k, with alternating signs.
FresnelPair FresnelSeries(double x) {
  const EvenOddSums sum = EvenOddSeries(kHalfPi * x * x, x, 1, kFresnelSeriesTerms, {x, 0.0},
                                        [](int k) { return 2 * k + 1; });
  return {sum.even, sum.odd};
}

// cos and sin of pi x^2 / 2. The phase is reduced with x^2 split exactly into two doubles,
// because for large x the rounding of pi x^2 / 2 itself would ruin the small oscillating
// part of C and S.
std::complex<double> FresnelPhase(double x) {
  const double high = x * x;
  const double low = std::fma(x, x, -high);
  const double reduced = std::fmod(high, 4.0) + low;
  return std::polar(1.0, kHalfPi * reduced);
}

// The continued fraction of the complementary error function (modified Lentz), for
// x >= 1.5, where it converges in a few dozen steps.
CalcError FresnelContinuedFraction(double x, FresnelPair& out) {
  using Complex = std::complex<double>;
  // The k-th numerator is -n (n + 1) with n = 2k - 3.
  const auto fraction = ComplexLentz(
      Complex(1.0, -kPi * x * x), 4.0,
      [](int k) {
        const int n = 2 * k - 3;
        return -static_cast<double>(n) * (n + 1);
      },
      kFresnelIterations);
  if (!fraction) return kUnknownError;
  Complex h = *fraction * Complex(x, -x);
  const Complex cs = Complex(0.5, 0.5) * (1.0 - FresnelPhase(x) * h);
  out = {cs.real(), cs.imag()};
  return kNoError;
}

CalcError FresnelIntegrals(double x, FresnelPair& out) {
  const double ax = std::fabs(x);
  if (std::isnan(x)) return kUnknownError;
  CalcError code = kNoError;
  if (ax < kFresnelSeriesLimit) {
    out = FresnelSeries(ax);
  } else if (ax > 1e150) {  // the oscillating part 1/(pi x) is below the last digit
    out = {0.5, 0.5};
  } else {
    code = FresnelContinuedFraction(ax, out);
  }
  if (x < 0.0) out = {-out.c, -out.s};
  return code;
}

// ------------------------------------------------------------- cosine and sine integrals

constexpr double kCisiSeriesLimit = 2.0;
constexpr int kCisiIterations = 200;

struct CisiPair {
  double ci = 0.0;
  double si = 0.0;
};

// Series of Ci - gamma - ln t and Si together: t^k / k! / k goes to Ci for even k, to Si
// for odd k, with alternating signs.
CisiPair CisiSeries(double t) {
  const EvenOddSums sum =
      EvenOddSeries(t, t, 2, kCisiIterations, {0.0, t}, [](int k) { return k; });
  return {sum.even + (kEulerGamma + std::log(t)), sum.odd};
}

// E1(i t) by its continued fraction (modified Lentz) for t >= 2; Ci and Si follow from
// it with the phase cos t - i sin t.
CalcError CisiContinuedFraction(double t, CisiPair& out) {
  using Complex = std::complex<double>;
  const auto fraction = ComplexLentz(
      Complex(1.0, t), 2.0, [](int k) { return -static_cast<double>(k - 1) * (k - 1); },
      kCisiIterations);
  if (!fraction) return kUnknownError;
  const Complex h = *fraction * Complex(std::cos(t), -std::sin(t));
  out = {-h.real(), kHalfPi + h.imag()};
  return kNoError;
}

// Beyond 1E8 two terms of the asymptotic series are exact to double precision (the next
// ones are 2/t^2 times smaller), and the complex fraction would work with squares out of
// the double range.
constexpr double kCisiAsymptoticLimit = 1e8;

CisiPair CisiAsymptotic(double t) {
  const double sine = std::sin(t), cosine = std::cos(t);
  return {sine / t - cosine / (t * t), kHalfPi - cosine / t - sine / (t * t)};
}

// Ci and Si of |x|; the caller applies the symmetry.
CalcError CosineSineIntegrals(double t, CisiPair& out) {
  if (std::isnan(t)) return kUnknownError;
  if (t == 0.0) {
    out = {-kInfinity, 0.0};
    return kNoError;
  }
  if (std::isinf(t)) {
    out = {0.0, kHalfPi};
    return kNoError;
  }
  if (t < kCisiSeriesLimit) {
    out = CisiSeries(t);
    return kNoError;
  }
  if (t > kCisiAsymptoticLimit) {
    out = CisiAsymptotic(t);
    return kNoError;
  }
  return CisiContinuedFraction(t, out);
}

// --------------------------------------------------------------- incomplete gamma

// Below this a GSL's routines are accurate to a few units in the last place (and handle
// small a, where 1 - P needs care); above it their error grows with a, so the series and
// the continued fraction run here, with the prefactor computed without cancellation. From
// kTemmeOrder on, the series would need too many terms (about 9 sqrt(a)) and lose digits
// to rounding, and Temme's uniform expansion takes over.
constexpr double kLargeGammaOrder = 1000.0;
constexpr double kTemmeOrder = 1e7;
constexpr int kGammaIterations = 100000;

// phi(l) = l - 1 - ln l at l = x/a, from log(1+t) - t near l = 1, so that a phi keeps
// its digits for large a.
double GammaPhi(double a, double x) {
  const double t = (x - a) / a;
  gsl_sf_result value{};
  if (std::fabs(t) < 0.5 && gsl_sf_log_1plusx_mx_e(t, &value) == GSL_SUCCESS) return -value.val;
  const double l = x / a;
  return l - 1.0 - std::log(l);
}

// x^a e^-x / Gamma(a + 1) = exp(-a phi) / (sqrt(2 pi a) Gamma*(a)).
double GammaPrefactor(double a, double x) {
  const double phi = GammaPhi(a, x);
  gsl_sf_result star{};
  if (gsl_sf_gammastar_e(a, &star) != GSL_SUCCESS) return std::nan("");
  return std::exp(-a * phi) / (std::sqrt(2.0 * kPi * a) * star.val);
}

// P by its series, for x < a + 1.
CalcError GammaSeries(double a, double x, double& p) {
  double term = 1.0, sum = 1.0;
  for (int n = 1; n <= kGammaIterations; ++n) {
    term *= x / (a + n);
    sum += term;
    if (term < kEpsilon * sum) {
      p = GammaPrefactor(a, x) * sum;
      return kNoError;
    }
  }
  return kUnknownError;
}

// Q by its continued fraction (modified Lentz), for x >= a + 1.
CalcError GammaContinuedFraction(double a, double x, double& q) {
  double b = x + 1.0 - a;
  double c = 1.0 / kTiny;
  double d = 1.0 / b;
  double h = d;
  for (int i = 1; i <= kGammaIterations; ++i) {
    const double an = -i * (i - a);
    b += 2.0;
    d = an * d + b;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = b + an / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1.0 / d;
    const double delta = d * c;
    h *= delta;
    if (std::fabs(delta - 1.0) < kFractionEpsilon) {
      q = a * GammaPrefactor(a, x) * h;
      return kNoError;
    }
  }
  return kUnknownError;
}

// Temme's uniform expansion, Q = erfc(eta sqrt(a/2)) / 2 + R with eta = sign(x - a)
// sqrt(2 phi) and R = exp(-a phi) / sqrt(2 pi a) (c0(eta) + c1(eta) / a). For a >= 1E7
// every eta whose result is above the underflow has |eta| < 0.013, where these Taylor
// coefficients of c0 and c1 (DiDonato and Morris) are exact to double precision; the
// next term is below 1E-20.
constexpr std::array<double, 7> kTemmeC0 = {
    -1.0 / 3.0, 1.0 / 12.0, -2.0 / 135.0, 1.0 / 864.0, 1.0 / 2835.0, -139.0 / 777600.0,
    1.0 / 25515.0};
constexpr std::array<double, 3> kTemmeC1 = {-1.0 / 540.0, -1.0 / 288.0, 1.0 / 378.0};

template <std::size_t N>
double Polynomial(const std::array<double, N>& coefficients, double x) {
  double sum = 0.0;
  for (std::size_t i = N; i-- > 0;) sum = sum * x + coefficients[i];
  return sum;
}

void GammaTemme(double a, double x, double& p, double& q) {
  const double phi = GammaPhi(a, x);
  const double eta = std::copysign(std::sqrt(2.0 * phi), x - a);
  const double c = Polynomial(kTemmeC0, eta) + Polynomial(kTemmeC1, eta) / a;
  const double r = std::exp(-a * phi) / std::sqrt(2.0 * kPi * a) * c;
  const double y = eta * std::sqrt(0.5 * a);
  q = 0.5 * std::erfc(y) + r;
  p = 0.5 * std::erfc(-y) - r;
}

// P and Q together: the smaller one directly, the other as its complement.
CalcError IncompleteGamma(double a, double x, double& p, double& q) {
  if (!(a > 0.0) || !(x >= 0.0) || std::isinf(a)) return kUnknownError;
  if (x == 0.0 || std::isinf(x)) {
    p = x == 0.0 ? 0.0 : 1.0;
    q = 1.0 - p;
    return kNoError;
  }
  if (a < kLargeGammaOrder) {
    gsl_sf_result pv{}, qv{};
    const CalcError pCode = FromGslStatus(gsl_sf_gamma_inc_P_e(a, x, &pv));
    const CalcError qCode = FromGslStatus(gsl_sf_gamma_inc_Q_e(a, x, &qv));
    p = pv.val;
    q = qv.val;
    return pCode != kNoError ? pCode : qCode;
  }
  if (a >= kTemmeOrder) {
    GammaTemme(a, x, p, q);
    return kNoError;
  }
  if (x < a + 1.0) {
    const CalcError code = GammaSeries(a, x, p);
    q = 1.0 - p;
    return code;
  }
  const CalcError code = GammaContinuedFraction(a, x, q);
  p = 1.0 - q;
  return code;
}

}  // namespace

bool TruncateToInt32(double value, int& out) {
  const double t = std::trunc(value);
  if (!(t >= -2147483648.0 && t <= 2147483647.0)) return false;
  out = static_cast<int>(t);
  return true;
}

// The product formula in extended precision, rounded to an integer: the same value as
// exp(ln n! - ln k! - ln (n-k)!) rounded, without the error of the exponential of large
// logarithms. C(n, i) >= 2^i for i <= n/2, so the loop leaves the double range, and
// stops, within about 1030 steps.
CalcError BinomialCoefficient(double n, double k, double& result) {
  int ni = 0, ki = 0;
  if (!TruncateToInt32(n, ni) || !TruncateToInt32(k, ki)) return kUnknownError;
  if (ni < 0 || ki < 0 || ki > ni) return kUnknownError;
  const int m = std::min(ki, ni - ki);
  long double product = 1.0L;
  for (int i = 1; i <= m; ++i) {
    product = product * static_cast<long double>(ni - m + i) / i;
    if (product > DBL_MAX) {
      result = kInfinity;
      return kNoError;
    }
  }
  result = static_cast<double>(std::floor(0.5L + product));
  return kNoError;
}

CalcError LogFactorial(double n, double& result) {
  int ni = 0;
  if (!TruncateToInt32(n, ni) || ni < 0) return kUnknownError;
  result = ni <= kCachedFactorials ? SmallLogFactorials()[ni] : std::lgamma(ni + 1.0);
  return kNoError;
}

CalcError SphericalBesselJ(double n, double x, double& result) {
  int order = 0;
  if (BesselArguments(n, x, order) != kNoError) return kUnknownError;
  if (std::isinf(x)) {
    result = 0.0;
  } else if (order > kMaxBesselOrder) {
    if (x >= 0.5 * order) return kUnknownError;
    result = 0.0;
  } else if (order == 0) {
    result = SphericalJ0(x);
  } else if (x * x < order + 1.5) {
    result = SphericalJSeries(order, x);
  } else if (x > order && x >= 2.0) {
    result = SphericalJUpward(order, x);
  } else {
    result = SphericalJDownward(order, x);
  }
  return kNoError;
}

CalcError SphericalBesselY(double n, double x, double& result) {
  int order = 0;
  if (BesselArguments(n, x, order) != kNoError) return kUnknownError;
  if (std::isinf(x)) {
    result = 0.0;
  } else if (order > kMaxBesselOrder) {
    if (x >= 0.5 * order) return kUnknownError;
    result = -kInfinity;
  } else {
    result = SphericalYUpward(order, x);
  }
  return kNoError;
}

// GSL's Ei is accurate to the last digits on the whole axis (-E1(-x) for x < 0). Beyond
// about 709.8 it overflows (+infinity), below about -700 it underflows (0).
CalcError ExponentialIntegralEi(double x, double& result) {
  if (x == 0.0) {
    result = -kInfinity;
    return kNoError;
  }
  gsl_sf_result value{};
  const int status = gsl_sf_expint_Ei_e(x, &value);
  if (status == GSL_EOVRFLW) {
    result = kInfinity;
    return kNoError;
  }
  result = value.val;
  return FromGslStatus(status);
}

CalcError FresnelS(double x, double& result) {
  FresnelPair pair;
  const CalcError code = FresnelIntegrals(x, pair);
  result = pair.s;
  return code;
}

CalcError FresnelC(double x, double& result) {
  FresnelPair pair;
  const CalcError code = FresnelIntegrals(x, pair);
  result = pair.c;
  return code;
}

CalcError RegularizedGammaP(double a, double x, double& result) {
  double q = 0.0;
  return IncompleteGamma(a, x, result, q);
}

CalcError RegularizedGammaQ(double a, double x, double& result) {
  double p = 0.0;
  return IncompleteGamma(a, x, p, result);
}

CalcError CosineIntegral(double x, double& result) {
  if (x < 0.0) return kUnknownError;
  CisiPair pair;
  const CalcError code = CosineSineIntegrals(x, pair);
  result = pair.ci;
  return code;
}

CalcError SineIntegral(double x, double& result) {
  CisiPair pair;
  const CalcError code = CosineSineIntegrals(std::fabs(x), pair);
  result = x < 0.0 ? -pair.si : pair.si;
  return code;
}

}  // namespace orvella
