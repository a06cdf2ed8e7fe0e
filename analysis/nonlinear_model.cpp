#include "analysis/nonlinear_model.h"

#include <cmath>

#include "engine/text_util.h"

namespace orvella {
namespace {

// What a number out of range stands for while the model is evaluated.
constexpr double kOutOfRangeValue = 1e300;

// Models know no user functions or constants: a fit must not change meaning when the
// user's definitions change. Every unknown name is a parameter.
void UseModelModes(CCalcEngine& engine, bool createParameters) {
  EngineModes& modes = engine.Modes();
  modes = EngineModes{};
  modes.userNamesEnabled = false;
  modes.autoCreateVariables = createParameters;
}

bool IsReservedVariable(std::string_view name) {
  return EqualsNoCase(name, "y") || EqualsNoCase(name, "z") || EqualsNoCase(name, "t");
}

CalcError Differentiable(std::string_view equation, std::string_view variable) {
  CCalcEngine scratch;
  scratch.SetExpression(equation);
  return scratch.Differentiate(variable);
}

double Tolerated(double value, CalcError code) {
  if (code != kNumberOutOfRange) return value;
  return std::signbit(value) ? -kOutOfRangeValue : kOutOfRangeValue;
}

}  // namespace

CalcError ValidateFitEquation(std::string_view equation) {
  // With the bound variables off, x, y, z and t are created like any other name, so the
  // variables list says which of them the equation uses.
  CCalcEngine scratch;
  UseModelModes(scratch, true);
  scratch.Modes().boundVariablesEnabled = false;
  scratch.SetExpression(equation);
  if (CalcError code = scratch.Parse()) return code;
  const std::vector<ValueVariable>& variables = scratch.Variables();
  if (scratch.FindVariable("x") < 0) return kVariableXRequired;
  for (const ValueVariable& variable : variables) {
    if (IsReservedVariable(variable.name)) return kReservedName;
  }
  if (variables.size() < 2) return kFitParameterRequired;
  for (const ValueVariable& variable : variables) {
    if (EqualsNoCase(variable.name, "x")) continue;
    if (CalcError code = Differentiable(equation, variable.name)) return code;
  }
  return kNoError;
}

NonlinearModel::NonlinearModel() : model_(std::make_unique<CCalcEngine>()) {}

NonlinearModel::~NonlinearModel() = default;

void NonlinearModel::Clear() {
  model_ = std::make_unique<CCalcEngine>();
  derivatives_.clear();
}

CalcError NonlinearModel::Load(std::string_view equation) {
  Clear();
  UseModelModes(*model_, true);
  model_->SetExpression(equation);
  CalcError code = model_->Parse();
  // Each derivative is printed and parsed again in an engine that knows every parameter,
  // so that the other parameters are variables there rather than constants.
  for (std::size_t k = 0; code == kNoError && k < model_->Variables().size(); ++k) {
    auto derivative = std::make_unique<CCalcEngine>();
    derivative->SetExpression(equation);
    code = derivative->Differentiate(model_->Variables()[k].name);
    if (code != kNoError) break;
    const std::string printed = derivative->FormatExpression();
    UseModelModes(*derivative, false);
    derivative->Variables() = model_->Variables();
    derivative->SetExpression(printed);
    code = derivative->Parse();
    derivatives_.push_back(std::move(derivative));
  }
  if (code != kNoError) Clear();
  return code;
}

const std::string& NonlinearModel::ParameterName(int index) const {
  return model_->Variables()[index].name;
}

const std::string& NonlinearModel::DerivativeText(int index) const {
  return derivatives_[index]->Expression();
}

void NonlinearModel::SetParameters(std::span<const double> values) {
  auto assign = [&](CCalcEngine& engine) {
    std::vector<ValueVariable>& variables = engine.Variables();
    for (std::size_t k = 0; k < variables.size() && k < values.size(); ++k) {
      variables[k].value = values[k];
    }
  };
  assign(*model_);
  for (auto& derivative : derivatives_) assign(*derivative);
}

CalcError NonlinearModel::Value(double x, double& y) {
  y = model_->EvaluateAt(x);
  const CalcError code = model_->EvaluationError();
  if (code != kNoError && code != kNumberOutOfRange) return code;
  y = Tolerated(y, code);
  return kNoError;
}

CalcError NonlinearModel::Gradient(double x, std::span<double> gradient) {
  for (std::size_t k = 0; k < derivatives_.size() && k < gradient.size(); ++k) {
    CCalcEngine& derivative = *derivatives_[k];
    const double slope = derivative.EvaluateAt(x);
    const CalcError code = derivative.EvaluationError();
    if (code != kNoError && code != kNumberOutOfRange) return code;
    gradient[k] = Tolerated(slope, code);
  }
  return kNoError;
}

std::string NonlinearModel::PrintedWithValues(std::span<const double> values) {
  SetParameters(values);
  return model_->FormatExpression(true);
}

}  // namespace orvella
