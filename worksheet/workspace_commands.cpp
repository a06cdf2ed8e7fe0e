#include "worksheet/workspace_commands.h"

#include <cmath>

#include "engine/locale_chars.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

// An interval end: a number, or an expression evaluated by the workspace engine.
CalcError EvaluateArgument(CCalcEngine& engine, std::string_view text, double& value) {
  engine.SetExpression(text);
  if (CalcError code = engine.Parse()) return code;
  value = engine.Evaluate();
  return engine.EvaluationError();
}

}  // namespace

void CalculationCommands::Execute(std::string_view name,
                                  const std::vector<std::string>& arguments,
                                  LineOutcome& outcome) {
  std::string text;
  CalcError code = kOperationNotSupported;
  if (EqualsNoCase(name, "SDIFF")) {
    code = Differentiate(arguments, text);
  } else if (EqualsNoCase(name, "FZEROS")) {
    code = Zeros(arguments, text);
  } else if (graphs_ != nullptr) {
    graphs_->Execute(name, arguments, outcome);
    return;
  }
  outcome.code = code;
  if (code == kNoError) outcome.report.resultText = std::move(text);
}

CalcError CalculationCommands::Differentiate(const std::vector<std::string>& arguments,
                                             std::string& text) {
  if (arguments.empty() || arguments.size() > 2) return kWrongArgumentCount;
  const std::string variable = arguments.size() == 2 ? arguments[1] : std::string("x");
  // A temporary engine: free names of the formula are symbols, not errors.
  CCalcEngine engine;
  engine.Modes().lenientNames = true;
  engine.SetExpression(arguments[0]);
  if (CalcError code = engine.Differentiate(Trim(variable))) return code;
  text = engine.FormatExpression();
  return kNoError;
}

CalcError CalculationCommands::Zeros(const std::vector<std::string>& arguments,
                                     std::string& text) {
  if (arguments.size() != 3) return kWrongArgumentCount;
  double a = 0.0;
  double b = 0.0;
  if (CalcError code = EvaluateArgument(workspace_, arguments[1], a)) return code;
  if (CalcError code = EvaluateArgument(workspace_, arguments[2], b)) return code;
  workspace_.SetExpression(arguments[0]);
  if (CalcError code = workspace_.Parse()) return code;
  std::vector<double> roots;
  if (CalcError code = workspace_.FindZeros(a, b, roots)) return code;
  // A root on the boundary of two sub-intervals is found by both; it is listed once.
  const std::string separator = std::string(1, FormattingChars().argumentSeparator) + " ";
  const double tolerance = workspace_.Tolerance();
  for (std::size_t i = 0; i < roots.size(); ++i) {
    if (i > 0 && std::fabs(roots[i] - roots[i - 1]) <= tolerance * std::fmax(1.0, std::fabs(roots[i]))) {
      continue;
    }
    if (!text.empty()) text += separator;
    text += workspace_.ResultFormat().Format(roots[i]);
  }
  return kNoError;
}

}  // namespace orvella
