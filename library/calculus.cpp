// FINT, FDIFF, FZERO and FSUM: the first argument is the unevaluated function of x, which
// the routines evaluate through the call context.
#include "library/calculus.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/bound_variables.h"
#include "engine/calc_engine.h"
#include "engine/call_context.h"
#include "library/brent.h"
#include "library/function_dispatch.h"
#include "library/function_ids.h"
#include "library/integration.h"
#include "library/ridders.h"

namespace orvella {
namespace {

constexpr double kZeroTolerance = 1e-5;  // FZERO has no argument for its tolerance

// The routines write the bound x at every evaluation. The caller gets its x back, so that
// an outer routine's argument such as FSUM(x, 1, 2) * x reads its own x after the inner call.
class BoundXRestorer {
 public:
  BoundXRestorer() : saved_(BoundVariables()[kBoundX].value) {}
  ~BoundXRestorer() { BoundVariables()[kBoundX].value = saved_; }
  BoundXRestorer(const BoundXRestorer&) = delete;
  BoundXRestorer& operator=(const BoundXRestorer&) = delete;

 private:
  double saved_;
};

RealFunction ArgumentOf(CallContext& c) {
  return [&c](double x, double& y) { return c.EvaluateFunctionArgument(x, y); };
}

CalcError Fint(CallContext& c, const double* args, int, double& result) {
  BoundXRestorer restorer;
  return Integrate(ArgumentOf(c), args[1], args[2], c.Engine().Tolerance(), result);
}

CalcError Fdiff(CallContext& c, const double* args, int, double& result) {
  BoundXRestorer restorer;
  return RiddersDerivative(ArgumentOf(c), args[1], c.Engine().Tolerance(), result);
}

CalcError Fzero(CallContext& c, const double* args, int, double& result) {
  BoundXRestorer restorer;
  return BrentZero(ArgumentOf(c), args[1], args[2], kZeroTolerance, result);
}

CalcError Fsum(CallContext& c, const double* args, int, double& result) {
  BoundXRestorer restorer;
  return SeriesSum(ArgumentOf(c), args[1], args[2], args[3], result);
}

namespace id = function_id;

constexpr std::array<FunctionEntry, 4> kEntries = {{
    {id::kFint, &Fint},
    {id::kFdiff, &Fdiff},
    {id::kFzero, &Fzero},
    {id::kFsum, &Fsum},
}};

}  // namespace

CalcError SeriesSum(const RealFunction& f, double a, double b, double step, double& result) {
  if (std::isnan(a) || std::isnan(b) || std::isnan(step)) return kBadArgument;
  const double lo = std::min(a, b);
  const double hi = std::max(a, b);
  const double s = step == 0.0 ? 1.0 : std::fabs(step);
  // Refused before the first term: nothing is evaluated for a sum that cannot finish.
  if ((hi - lo) / s >= kMaxSeriesTerms) return kMaxIterationsExceeded;
  double sum = 0.0;
  double terms = 0;
  for (double x = lo; x <= hi; x += s) {
    // A step below the spacing of the doubles near x would never reach hi. Rounding may
    // also advance x by less than s, so the count bounds the loop as well.
    if (x + s == x || ++terms > 2 * kMaxSeriesTerms) return kMaxIterationsExceeded;
    double y = 0.0;
    if (CalcError code = f(x, y)) return code;
    sum += y;
  }
  result = sum;
  return kNoError;
}

std::span<const FunctionEntry> CalculusFunctions() { return kEntries; }

}  // namespace orvella
