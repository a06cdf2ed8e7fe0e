// Annuities (present and future value, payment, number of periods, rate) and the
// conversion between nominal and effective interest rates. The finance tool computes with
// the same formulas.
#include <array>
#include <cmath>

#include "engine/call_context.h"
#include "library/function_dispatch.h"
#include "library/function_ids.h"
#include "library/integer_argument.h"

namespace orvella {
namespace {

// The terms of an annuity: r rate per period, n periods, pmt payment, pv present value,
// fv future value, type the payment timing (0 end of period, 1 beginning).
struct Annuity {
  double r;
  double n;
  double pmt;
  double pv;
  double fv;
  double type;
};

// (1 + r)^n - 1. expm1/log1p keep full precision near r = 0, which RATE's iteration
// approaches when the true rate is 0; pow keeps the integer powers of a negative base.
double GrowthMinusOne(double r, double n) {
  if (r > -1.0) return std::expm1(n * std::log1p(r));
  return std::pow(1.0 + r, n) - 1.0;
}

// A NaN from finite terms is a domain error: a negative base to a fractional power, the
// logarithm of a negative ratio. Infinite results become 46 in the evaluator.
CalcError Checked(double value, double& result) {
  result = value;
  return std::isnan(value) ? kInvalidArgument : kNoError;
}

double PresentValue(const Annuity& a) {
  if (a.r == 0.0) return -a.fv - a.n * a.pmt;
  const double gm1 = GrowthMinusOne(a.r, a.n);
  return -((a.fv + a.pmt * (1.0 + a.r * a.type) * gm1 / a.r) / (gm1 + 1.0));
}

double FutureValue(const Annuity& a) {
  if (a.r == 0.0) return -a.pv - a.n * a.pmt;
  const double gm1 = GrowthMinusOne(a.r, a.n);
  return -(a.pmt * gm1 / a.r * (1.0 + a.r * a.type) + a.pv * (gm1 + 1.0));
}

double Payment(const Annuity& a) {
  if (a.r == 0.0) return -(a.pv + a.fv) / a.n;
  const double gm1 = GrowthMinusOne(a.r, a.n);
  return -(a.r * (a.fv + a.pv * (gm1 + 1.0)) / ((1.0 + a.r * a.type) * gm1));
}

double Periods(const Annuity& a) {
  if (a.r == 0.0) return -(a.fv + a.pv) / a.pmt;
  // ln((h - r*fv) / (h + r*pv)) written as log1p of the ratio minus 1, which keeps its
  // digits at small rates.
  const double h = a.pmt * (1.0 + a.r * a.type);
  return std::log1p(-a.r * (a.fv + a.pv) / (h + a.r * a.pv)) / std::log1p(a.r);
}

double PaymentType(double value) { return static_cast<double>(IntegerArgument(value)); }

CalcError Pv(CallContext&, const double* a, int, double& r) {
  return Checked(PresentValue({a[0], a[1], a[2], 0.0, a[3], PaymentType(a[4])}), r);
}

CalcError Fv(CallContext&, const double* a, int, double& r) {
  return Checked(FutureValue({a[0], a[1], a[2], a[3], 0.0, PaymentType(a[4])}), r);
}

CalcError Pmt(CallContext&, const double* a, int, double& r) {
  return Checked(Payment({a[0], a[1], 0.0, a[2], a[3], PaymentType(a[4])}), r);
}

CalcError Nper(CallContext&, const double* a, int, double& r) {
  return Checked(Periods({a[0], 0.0, a[1], a[2], a[3], PaymentType(a[4])}), r);
}

// --- RATE: secant iteration on F(r) = pv - PV(r) ---

constexpr int kRateSteps = 20;
constexpr double kDefaultGuess = 0.01;

double RateResidual(Annuity a, double rate) {
  a.r = rate;
  return a.pv - PresentValue(a);
}

// The step is tested relative to the rate and also absolutely: a relative test alone can
// never pass when the true rate is 0 (RATE(10, -100, 1000)).
bool RateConverged(double rate, double step) {
  return std::fabs(rate * 1e-13) > std::fabs(step) || std::fabs(step) < 1e-13;
}

// A flat function or no convergence within the steps is error 35 rather than an undefined
// value; the finance tool shows its own message for it.
CalcError Rate(CallContext&, const double* a, int, double& result) {
  const Annuity annuity{0.0, a[0], a[1], a[2], a[3], PaymentType(a[4])};
  double r0 = a[5] == 0.0 ? kDefaultGuess : a[5];
  double r1 = r0 * 1.1;
  for (int step = 0; step < kRateSteps; ++step) {
    const double f0 = RateResidual(annuity, r0);
    const double d1 = RateResidual(annuity, r1);
    const double d = d1 - f0;
    if (!std::isfinite(d) || (std::fabs(d) < 1e-200 && std::fabs(d1) > 1e-13)) break;
    if (RateConverged(r1, d1 * (r1 - r0) / d)) {
      result = r1;
      return kNoError;
    }
    const double next = (d1 * r0 - f0 * r1) / d;
    r0 = r1;
    r1 = next;
  }
  result = 0.0;
  return kMaxIterationsExceeded;
}

// --- nominal and effective rates ---

constexpr double kDefaultPeriodsPerYear = 12.0;

double PeriodsPerYear(double value) { return value == 0.0 ? kDefaultPeriodsPerYear : value; }

CalcError EffectiveRate(CallContext&, const double* a, int, double& r) {
  const double m = PeriodsPerYear(a[1]);
  return Checked(GrowthMinusOne(a[0] / m, m), r);  // (1 + apr/m)^m - 1
}

CalcError NominalRate(CallContext&, const double* a, int, double& r) {
  const double m = PeriodsPerYear(a[1]);
  return Checked(m * GrowthMinusOne(a[0], 1.0 / m), r);  // m * ((1 + efr)^(1/m) - 1)
}

namespace id = function_id;

constexpr std::array<FunctionEntry, 7> kEntries = {{
    {id::kPv, &Pv, nullptr, UnaryForm::kNone, true},
    {id::kFv, &Fv, nullptr, UnaryForm::kNone, true},
    {id::kPmt, &Pmt, nullptr, UnaryForm::kNone, true},
    {id::kNper, &Nper, nullptr, UnaryForm::kNone, true},
    {id::kRate, &Rate, nullptr, UnaryForm::kNone, true},
    {id::kEffectiveRate, &EffectiveRate, nullptr, UnaryForm::kNone, true},
    {id::kNominalRate, &NominalRate, nullptr, UnaryForm::kNone, true},
}};

}  // namespace

std::span<const FunctionEntry> FinancialFunctions() { return kEntries; }

}  // namespace orvella
