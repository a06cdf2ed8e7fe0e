// Brent's root bracketing method, one step at a time: the caller owns the loop.
#pragma once

#include "library/real_function.h"

namespace orvella {

class BrentSolver {
 public:
  // The tolerance is used when it is at least 1E-15; below, 1E-5.
  BrentSolver(const RealFunction& f, double tolerance);

  // Evaluates the end points. Codes: those of f; 36 when f has the same sign at both.
  // A zero at an end point makes the solver done at once.
  CalcError Start(double a, double b);
  // One step. Codes: those of f; 13 when the bracket has closed on a sign change that is
  // not a root (a discontinuity such as a pole).
  CalcError Iterate();
  bool Done() const { return done_; }
  double Root() const { return b_; }

 private:
  void KeepBracket();
  double Step(double tol1, double xm);

  const RealFunction& f_;
  double tol_;
  double a_ = 0, b_ = 0, c_ = 0;
  double fa_ = 0, fb_ = 0, fc_ = 0;
  double d_ = 0, e_ = 0;  // the last step and the one before
  bool done_ = false;
};

// One root of f in [a, b] in at most 100 steps. Codes: those of Start and Iterate; 35 when
// the steps run out.
CalcError BrentZero(const RealFunction& f, double a, double b, double tolerance, double& root);

}  // namespace orvella
