// Brent's method: inverse quadratic interpolation (secant when only two points are
// distinct) while it makes fast progress, bisection otherwise, with the bracket [b, c]
// kept so that |f(b)| <= |f(c)|.
#include "library/brent.h"

#include <algorithm>
#include <cmath>

namespace orvella {
namespace {

constexpr int kMaxIterations = 100;
constexpr double kRelative = 6e-15;       // twice the relative accuracy of b
constexpr double kDiscontinuity = 0.1;    // |f| left at a closed bracket that is no root

bool SameSign(double u, double v) { return (u > 0 && v > 0) || (u < 0 && v < 0); }

}  // namespace

BrentSolver::BrentSolver(const RealFunction& f, double tolerance)
    : f_(f), tol_(tolerance >= 1e-15 ? tolerance : 1e-5) {}

CalcError BrentSolver::Start(double a, double b) {
  a_ = a;
  b_ = b;
  done_ = false;
  if (CalcError code = f_(a_, fa_)) return code;
  if (CalcError code = f_(b_, fb_)) return code;
  if (fa_ == 0.0 || fb_ == 0.0) {
    b_ = fa_ == 0.0 ? a_ : b_;
    done_ = true;
    return kNoError;
  }
  if (SameSign(fa_, fb_)) return kNoSolutionsFound;
  c_ = b_;
  fc_ = fb_;
  return kNoError;
}

// After a step c is the point of opposite sign to b, and b the better of the two.
void BrentSolver::KeepBracket() {
  if (SameSign(fb_, fc_)) {
    c_ = a_;
    fc_ = fa_;
    e_ = d_ = b_ - a_;
  }
  if (std::fabs(fc_) < std::fabs(fb_)) {
    a_ = b_;
    b_ = c_;
    c_ = a_;
    fa_ = fb_;
    fb_ = fc_;
    fc_ = fa_;
  }
}

// The next step from b: interpolation when it stays inside the bracket and shrinks faster
// than the step before last, else bisection.
double BrentSolver::Step(double tol1, double xm) {
  if (std::fabs(e_) >= tol1 && std::fabs(fa_) > std::fabs(fb_)) {
    const double s = fb_ / fa_;
    double p = 0.0;
    double q = 0.0;
    if (a_ == c_) {
      p = 2 * xm * s;
      q = 1 - s;
    } else {
      const double qa = fa_ / fc_;
      const double r = fb_ / fc_;
      p = s * (2 * xm * qa * (qa - r) - (b_ - a_) * (r - 1));
      q = (qa - 1) * (r - 1) * (s - 1);
    }
    if (p > 0) q = -q;
    p = std::fabs(p);
    if (2 * p < std::min(3 * xm * q - std::fabs(tol1 * q), std::fabs(e_ * q))) {
      e_ = d_;
      d_ = p / q;
      return d_;
    }
  }
  d_ = xm;
  e_ = d_;
  return d_;
}

CalcError BrentSolver::Iterate() {
  KeepBracket();
  const double tol1 = kRelative * std::fabs(b_) + tol_ / 2;
  const double xm = (c_ - b_) / 2;
  if (std::fabs(xm) <= tol1) {
    if (std::fabs(fb_) >= kDiscontinuity) return kBadArgument;
    done_ = true;
    return kNoError;
  }
  if (fb_ == 0.0) {
    done_ = true;
    return kNoError;
  }
  const double d = Step(tol1, xm);
  a_ = b_;
  fa_ = fb_;
  b_ += std::fabs(d) > tol1 ? d : std::copysign(tol1, xm);
  return f_(b_, fb_);
}

CalcError BrentZero(const RealFunction& f, double a, double b, double tolerance, double& root) {
  BrentSolver solver(f, tolerance);
  if (CalcError code = solver.Start(a, b)) return code;
  for (int iteration = 0; !solver.Done(); ++iteration) {
    if (iteration == kMaxIterations) return kMaxIterationsExceeded;
    if (CalcError code = solver.Iterate()) return code;
  }
  root = solver.Root();
  return kNoError;
}

}  // namespace orvella
