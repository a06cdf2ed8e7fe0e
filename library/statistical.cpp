// Sum, average and extremes of a list, and the densities and Student's t distribution.
#include <gsl/gsl_cdf.h>
#include <gsl/gsl_randist.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/call_context.h"
#include "library/function_dispatch.h"
#include "library/function_ids.h"
#include "library/gsl_errors.h"

namespace orvella {
namespace {

// --- SUM, AVE, MIN, MAX: exactly count values, no padding ---

double Total(const double* a, int count) {
  double sum = 0.0;
  for (int i = 0; i < count; ++i) sum += a[i];
  return sum;
}

CalcError Sum(CallContext&, const double* a, int count, double& r) {
  if (count < 1) return kWrongArgumentCount;
  r = Total(a, count);
  return kNoError;
}

CalcError Average(CallContext&, const double* a, int count, double& r) {
  if (count < 1) return kWrongArgumentCount;
  r = Total(a, count) / count;
  return kNoError;
}

CalcError Minimum(CallContext&, const double* a, int count, double& r) {
  if (count < 1) return kWrongArgumentCount;
  r = *std::min_element(a, a + count);
  return kNoError;
}

CalcError Maximum(CallContext&, const double* a, int count, double& r) {
  if (count < 1) return kWrongArgumentCount;
  r = *std::max_element(a, a + count);
  return kNoError;
}

// --- distributions, computed by GSL ---

// Our GSL handler (installed at start-up) only records the error; a call with an error
// reports 53, as the higher functions do.
template <typename Compute>
CalcError CallGsl(Compute compute, double& r) {
  TakeLastGslError();
  r = compute();
  return TakeLastGslError() != 0 ? kUnknownError : kNoError;
}

// The negated tests also refuse NaN arguments.
bool IsPositive(double v) { return v > 0.0; }
bool IsInUnitInterval(double v) { return v >= 0.0 && v <= 1.0; }

// The Gaussian density with mean 0 and standard deviation sigma.
CalcError NormalDensity(CallContext&, const double* a, int, double& r) {
  if (!IsPositive(a[1])) return kInvalidArgument;
  return CallGsl([a] { return gsl_ran_gaussian_pdf(a[0], a[1]); }, r);
}

CalcError BetaDensity(CallContext&, const double* a, int, double& r) {
  if (!IsInUnitInterval(a[0]) || !IsPositive(a[1]) || !IsPositive(a[2])) {
    return kInvalidArgument;
  }
  return CallGsl([a] { return gsl_ran_beta_pdf(a[0], a[1], a[2]); }, r);
}

// P(T <= t) for Student's t with df degrees of freedom.
CalcError StudentT(CallContext&, const double* a, int, double& r) {
  if (!IsPositive(a[1])) return kInvalidArgument;
  return CallGsl([a] { return gsl_cdf_tdist_P(a[0], a[1]); }, r);
}

// The inverse of TDIST; p = 0 and p = 1 give infinite t, which is out of range.
CalcError StudentTInverse(CallContext&, const double* a, int, double& r) {
  if (!IsInUnitInterval(a[0]) || !IsPositive(a[1])) return kInvalidArgument;
  return CallGsl([a] { return gsl_cdf_tdist_Pinv(a[0], a[1]); }, r);
}

namespace id = function_id;

constexpr std::array<FunctionEntry, 8> kEntries = {{
    {id::kSum, &Sum, nullptr, UnaryForm::kNone, true},
    {id::kAve, &Average, nullptr, UnaryForm::kNone, true},
    {id::kMin, &Minimum, nullptr, UnaryForm::kNone, true},
    {id::kMax, &Maximum, nullptr, UnaryForm::kNone, true},
    {id::kNormDist, &NormalDensity, nullptr, UnaryForm::kNone, true},
    {id::kBetaDist, &BetaDensity, nullptr, UnaryForm::kNone, true},
    {id::kTDist, &StudentT, nullptr, UnaryForm::kNone, true},
    {id::kTInv, &StudentTInverse, nullptr, UnaryForm::kNone, true},
}};

}  // namespace

std::span<const FunctionEntry> StatisticalFunctions() { return kEntries; }

}  // namespace orvella
