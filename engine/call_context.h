// What a built-in function sees of the engine while it is evaluated.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_error.h"

namespace orvella {

class CCalcEngine;
class Program;

// The texts of the string-literal arguments of one call, by argument position.
using ArgumentTexts = std::vector<std::optional<std::string>>;

class CallContext {
 public:
  CallContext(CCalcEngine& engine, const Program* functionArgument,
              const ArgumentTexts* texts = nullptr)
      : engine_(engine), functionArgument_(functionArgument), texts_(texts) {}

  CCalcEngine& Engine() { return engine_; }

  // Angle conversion of the trigonometric functions for the engine's angle mode.
  double ToRadians(double angle) const;
  double FromRadians(double radians) const;

  // FINT, FDIFF, FZERO and FSUM: their first argument is the unevaluated function of x.
  // Writes x into the bound variable x and evaluates it; the code of a failing evaluation
  // is returned.
  bool HasFunctionArgument() const { return functionArgument_ != nullptr; }
  CalcError EvaluateFunctionArgument(double x, double& result);

  // The text of argument i when it is a string literal ("ft" in CONVERT(5, "ft", "m")),
  // nothing otherwise.
  std::optional<std::string_view> ArgumentText(int i) const {
    if (texts_ == nullptr || i < 0 || i >= static_cast<int>(texts_->size())) return std::nullopt;
    const std::optional<std::string>& text = (*texts_)[static_cast<std::size_t>(i)];
    if (!text) return std::nullopt;
    return std::string_view(*text);
  }

 private:
  CCalcEngine& engine_;
  const Program* functionArgument_;
  const ArgumentTexts* texts_;
};

// A built-in function. args holds count values followed by five zeros (absent optional
// arguments read as 0), except for the variable-count functions SUM, AVE, MIN and MAX.
// Domain errors return kInvalidArgument; a non-finite result without a code becomes
// kNumberOutOfRange with the value +-1E300.
using FunctionImpl = CalcError (*)(CallContext& context, const double* args, int count,
                                   double& result);

}  // namespace orvella
