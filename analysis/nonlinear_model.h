// A regression model y = f(x; p1..pm) written in the expression language: its parameters
// are the names the equation does not know, and each has an engine of its own for the
// symbolic derivative df/dpi, so that a fit evaluates the model and its gradient without
// numerical differencing.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/levenberg_marquardt.h"
#include "engine/calc_engine.h"
#include "engine/calc_error.h"

namespace orvella {

// Whether `equation` can be fitted: it must parse, use the variable x, use none of y, z
// and t, have at least one parameter besides x and be differentiable in every parameter.
// Codes: the parse errors; kVariableXRequired (47), kReservedName (48),
// kFitParameterRequired (49); kInvalidFunction (29) from the differentiation.
CalcError ValidateFitEquation(std::string_view equation);

class NonlinearModel final : public FitModel {
 public:
  NonlinearModel();
  ~NonlinearModel() override;
  NonlinearModel(const NonlinearModel&) = delete;
  NonlinearModel& operator=(const NonlinearModel&) = delete;

  // Parses a validated equation: the parameters in the order of their first appearance
  // and one derivative engine each. Codes: parse and differentiation errors; the model is
  // then empty.
  CalcError Load(std::string_view equation);
  void Clear();

  int ParameterCount() const { return static_cast<int>(derivatives_.size()); }
  // 0-based; the caller checks the index.
  const std::string& ParameterName(int index) const;
  // The derivative with respect to parameter `index` as the engine parsed it.
  const std::string& DerivativeText(int index) const;

  void SetParameters(std::span<const double> values) override;
  // Number out of range (46) is not an error here: the value becomes +-1e300 and the
  // evaluation goes on, so that a wild trial step is rejected rather than ending the fit.
  CalcError Value(double x, double& y) override;
  CalcError Gradient(double x, std::span<double> gradient) override;

  // The equation with every parameter printed as "(value)" to 15 digits.
  std::string PrintedWithValues(std::span<const double> values);

 private:
  std::unique_ptr<CCalcEngine> model_;
  std::vector<std::unique_ptr<CCalcEngine>> derivatives_;
};

}  // namespace orvella
