#include "library/adaptive_integration.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_integration.h>

#include <cmath>
#include <memory>

namespace orvella {
namespace {

constexpr std::size_t kIntervals = 1000;  // subdivision limit of the workspace

// The integrand for GSL. GSL cannot be told to stop, so after the first failing evaluation
// f is not called again and the integrand reads as 0; the recorded code is the result.
struct Integrand {
  const RealFunction* f;
  CalcError failure = kNoError;

  static double Call(double x, void* self) {
    auto* integrand = static_cast<Integrand*>(self);
    if (integrand->failure != kNoError) return 0.0;
    double y = 0.0;
    integrand->failure = (*integrand->f)(x, y);
    return integrand->failure == kNoError ? y : 0.0;
  }
};

struct WorkspaceDeleter {
  void operator()(gsl_integration_workspace* w) const { gsl_integration_workspace_free(w); }
};

// GSL met eps relative, or (only when it merely ran out of subdivisions or hit round-off)
// the result is below 1E-15 and within eps absolute: Romberg's test for integrals near 0.
// A divergent or singular verdict is never overruled, whatever the error estimate says.
bool Converged(int status, double value, double error, double eps) {
  if (status == GSL_SUCCESS) return true;
  if (status != GSL_EROUND && status != GSL_EMAXITER) return false;
  return std::fabs(value) < 1e-15 && error < eps;
}

enum class Range { kFinite, kToInfinity, kFromInfinity };

CalcError Adaptive(Range range, const RealFunction& f, double a, double b, double eps,
                   double& result) {
  // The program's GSL handler only records errors (library/gsl_errors.h); the status
  // codes the integrators return tell us everything.
  std::unique_ptr<gsl_integration_workspace, WorkspaceDeleter> workspace(
      gsl_integration_workspace_alloc(kIntervals));
  if (!workspace) return kOutOfMemory;
  Integrand integrand{&f};
  gsl_function function{&Integrand::Call, &integrand};
  // Relative accuracy only: an absolute floor would accept any small integral; results
  // near zero are judged afterwards by Converged.
  const double epsabs = 0.0;
  double value = 0.0;
  double error = 0.0;
  int status = GSL_SUCCESS;
  switch (range) {
    case Range::kFinite:
      status = gsl_integration_qags(&function, a, b, epsabs, eps, kIntervals, workspace.get(),
                                    &value, &error);
      break;
    case Range::kToInfinity:
      status = gsl_integration_qagiu(&function, a, epsabs, eps, kIntervals, workspace.get(),
                                     &value, &error);
      break;
    case Range::kFromInfinity:
      status = gsl_integration_qagil(&function, b, epsabs, eps, kIntervals, workspace.get(),
                                     &value, &error);
      break;
  }
  if (integrand.failure != kNoError) return integrand.failure;
  // GSL_EBADTOL: a relative accuracy near the machine epsilon cannot be asked for.
  if (status == GSL_EBADTOL || !std::isfinite(value)) return kMaxIterationsExceeded;
  if (!Converged(status, value, error, eps)) return kMaxIterationsExceeded;
  result = value;
  return kNoError;
}

}  // namespace

CalcError AdaptiveFinite(const RealFunction& f, double a, double b, double eps, double& result) {
  return Adaptive(Range::kFinite, f, a, b, eps, result);
}

CalcError AdaptiveToInfinity(const RealFunction& f, double a, double eps, double& result) {
  return Adaptive(Range::kToInfinity, f, a, 0.0, eps, result);
}

CalcError AdaptiveFromInfinity(const RealFunction& f, double b, double eps, double& result) {
  return Adaptive(Range::kFromInfinity, f, 0.0, b, eps, result);
}

}  // namespace orvella
