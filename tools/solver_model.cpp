#include "tools/solver_model.h"

#include <cmath>
#include <utility>

#include "engine/text_util.h"
#include "library/find_zeros.h"

namespace orvella {
namespace {

// The text the engine parses: an equation's two sides become one expression whose zeros
// are the solutions. Empty when a side is missing.
std::string ExpressionOf(std::string_view equation) {
  const std::size_t equals = equation.find('=');
  if (equals == std::string_view::npos) return std::string(equation);
  const std::string_view left = Trim(equation.substr(0, equals));
  const std::string_view right = Trim(equation.substr(equals + 1));
  if (left.empty() || right.empty()) return {};
  return std::string(left) + "-(" + std::string(right) + ")";
}

// Brent's method falls back to 1E-5 below this; the scan refuses it instead.
constexpr double kFinestTolerance = 1e-15;
constexpr double kFallbackTolerance = 1e-5;

}  // namespace

CSolverModel::CSolverModel() { Modes().boundVariablesEnabled = false; }

CalcError CSolverModel::SetEquation(std::string_view text) {
  const std::string_view equation = Trim(text);
  if (equation.empty()) return kInvalidEquation;
  const std::string expression = ExpressionOf(equation);
  if (expression.empty()) return kInvalidEquation;

  const std::string previousExpression = Expression();
  std::vector<ValueVariable> previousVariables = std::move(Variables());
  Variables().clear();
  Modes().autoCreateVariables = true;
  SetExpression(expression);
  CalcError code = Parse();
  // Later parses must not add names: one that has become unknown is an error then.
  Modes().autoCreateVariables = false;
  if (code == kNoError && Variables().empty()) code = kInvalidEquation;
  if (code != kNoError) {
    Variables() = std::move(previousVariables);
    SetExpression(previousExpression);
    return code;
  }
  equation_ = std::string(equation);
  return kNoError;
}

CalcError CSolverModel::Solve(int variable, std::vector<double>& roots) {
  roots.clear();
  if (CalcError code = Parse()) return code;
  if (variable < 0 || variable >= static_cast<int>(Variables().size())) return kBadArgument;
  // A width that overflows could not be split into pieces.
  if (!(min < max) || !std::isfinite(max - min)) return kBadArgument;

  const double given = Variables()[variable].value;
  const RealFunction f = [this, variable](double value, double& result) {
    Variables()[variable].value = value;
    result = Evaluate();
    return EvaluationError();
  };
  const double tolerance = Tolerance() >= kFinestTolerance ? Tolerance() : kFallbackTolerance;
  const CalcError code = FindZerosOf(f, min, max, SolverSteps(), tolerance, roots);
  Variables()[variable].value = code == kNoError ? roots.front() : given;
  return code;
}

}  // namespace orvella
