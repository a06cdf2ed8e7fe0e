// The all-roots search of graph analysis: a scan of sub-intervals, each solved by Brent's
// method, so that every sign change wider than the scan step is found.
#include "library/find_zeros.h"

#include "engine/bound_variables.h"
#include "engine/calc_engine.h"
#include "library/brent.h"

namespace orvella {
CalcError FindZerosOf(const RealFunction& f, double a, double b, int steps, double eps,
                      std::vector<double>& roots) {
  if (!(a < b) || steps <= 0 || eps < 1e-15) return kBadArgument;
  const double g = (b - a) / steps;
  const std::size_t found = roots.size();
  // Neighbouring sub-intervals share their end point. A gap of 1E-15 between them, as the
  // scan was once written, is rounded to nothing or to several units of the last place:
  // x^2-1 on [-2, 2] in 200 steps then loses both roots, which fall into the gaps. Shared
  // ends find a root on a boundary twice instead, and both are kept.
  for (int k = 0; k < steps; ++k) {
    const double left = a + k * g;
    const double right = k + 1 == steps ? b : a + (k + 1) * g;
    double root = 0.0;
    if (BrentZero(f, left, right, eps, root) == kNoError) roots.push_back(root);
  }
  return roots.size() > found ? kNoError : kNoSolutionsFound;
}

CalcError CCalcEngine::FindZeros(double a, double b, std::vector<double>& roots) {
  const double saved = BoundVariables()[kBoundX].value;
  const RealFunction f = [this](double x, double& y) {
    y = EvaluateAt(x);
    return EvaluationError();
  };
  const CalcError code = FindZerosOf(f, a, b, SolverSteps(), Tolerance(), roots);
  BoundVariables()[kBoundX].value = saved;  // as the calculus functions leave x
  return code;
}

}  // namespace orvella
