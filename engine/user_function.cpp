#include "engine/user_function.h"

#include "engine/locale_chars.h"
#include "engine/name_rules.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

std::vector<std::string_view> SplitParameters(std::string_view list) {
  std::vector<std::string_view> parameters;
  if (Trim(list).empty()) return parameters;
  const char separator = ExpressionChars().argumentSeparator;
  std::size_t start = 0;
  while (true) {
    std::size_t next = list.find(separator, start);
    parameters.push_back(Trim(list.substr(start, next - start)));
    if (next == std::string_view::npos) return parameters;
    start = next + 1;
  }
}

bool IsParameter(const std::vector<std::string_view>& parameters, std::string_view name) {
  for (std::string_view parameter : parameters) {
    if (EqualsNoCase(parameter, name)) return true;
  }
  return false;
}

}  // namespace

CalcError CUserFunction::Define(std::string_view definition, std::unique_ptr<CUserFunction>& result) {
  const std::string_view text = Trim(definition);
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return kMissingEqualSign;
  const std::string_view left = Trim(text.substr(0, equals));
  const std::string_view body = Trim(text.substr(equals + 1));
  if (left.empty() || body.empty()) return kDanglingEqualSign;

  const std::size_t open = left.find('(');
  if (open == std::string_view::npos || left.back() != ')') return kBadArgument;
  const std::string_view name = Trim(left.substr(0, open));
  if (name.empty()) return kBadArgument;
  if (CalcError code = CheckNameForm(name)) return code;
  const std::vector<std::string_view> parameters =
      SplitParameters(left.substr(open + 1, left.size() - open - 2));
  for (std::string_view parameter : parameters) {
    if (EqualsNoCase(parameter, name)) return kInvalidVariable;
    if (CalcError code = CheckNameForm(parameter)) return code;
  }

  // Every free name of the body becomes a variable; they must be exactly the parameters.
  auto function = std::make_unique<CUserFunction>();
  CCalcEngine& engine = *function->engine_;
  engine.Modes().autoCreateVariables = true;
  engine.SetExpression(body);
  if (CalcError code = engine.Parse()) return code;
  const std::vector<ValueVariable>& created = engine.Variables();
  if (created.size() != parameters.size()) return kArgumentsNotMatching;
  for (const ValueVariable& variable : created) {
    if (!IsParameter(parameters, variable.name)) return kArgumentsNotMatching;
  }
  if (engine.CalledUserFunction()) return kContainsUserFunction;

  // The parameters in header order, so that a call writes its arguments by position.
  engine.Modes().autoCreateVariables = false;
  engine.Variables().clear();
  for (std::string_view parameter : parameters) {
    function->parameters_.emplace_back(parameter);
    engine.AppendVariable(parameter, 0.0);
  }
  function->name_ = std::string(name);
  function->header_ = std::string(left);
  function->definition_ = std::string(text);
  function->body_ = std::string(body);
  if (CalcError code = function->Prepare()) return code;
  result = std::move(function);
  return kNoError;
}

CalcError CUserFunction::Prepare() {
  engine_->SetExpression(body_);
  return engine_->Parse();
}

CalcError CUserFunction::Call(const double* arguments, int count, AngleMode angleMode,
                              double& result) {
  std::vector<ValueVariable>& variables = engine_->Variables();
  for (int i = 0; i < count && i < static_cast<int>(variables.size()); ++i) {
    variables[static_cast<std::size_t>(i)].value = arguments[i];
  }
  engine_->SetAngleMode(angleMode);
  result = engine_->Evaluate();
  return engine_->EvaluationError();
}

}  // namespace orvella
