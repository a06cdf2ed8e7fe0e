// What a built-in function sees of the engine while it is evaluated.
#pragma once

#include "engine/calc_error.h"

namespace orvella {

class CCalcEngine;
class Program;

class CallContext {
 public:
  CallContext(CCalcEngine& engine, const Program* functionArgument)
      : engine_(engine), functionArgument_(functionArgument) {}

  CCalcEngine& Engine() { return engine_; }

  // Angle conversion of the trigonometric functions for the engine's angle mode.
  double ToRadians(double angle) const;
  double FromRadians(double radians) const;

  // FINT, FDIFF, FZERO and FSUM: their first argument is the unevaluated function of x.
  // Writes x into the bound variable x and evaluates it; the code of a failing evaluation
  // is returned.
  bool HasFunctionArgument() const { return functionArgument_ != nullptr; }
  CalcError EvaluateFunctionArgument(double x, double& result);

 private:
  CCalcEngine& engine_;
  const Program* functionArgument_;
};

// A built-in function. args holds count values followed by five zeros (absent optional
// arguments read as 0), except for the variable-count functions SUM, AVE, MIN and MAX.
// Domain errors return kInvalidArgument; a non-finite result without a code becomes
// kNumberOutOfRange with the value +-1E300.
using FunctionImpl = CalcError (*)(CallContext& context, const double* args, int count,
                                   double& result);

}  // namespace orvella
