#include "worksheet/line_execution.h"

#include <array>

#include "engine/locale_chars.h"
#include "engine/symbol_store.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

constexpr std::array<std::string_view, 4> kCommandNames = {"PLOT", "PLOT3D", "SDIFF", "FZEROS"};

// The arguments of NAME(arguments), split at the separators outside parentheses and
// string literals.
std::vector<std::string> SplitArguments(std::string_view text) {
  std::vector<std::string> arguments;
  const char separator = ExpressionChars().argumentSeparator;
  int depth = 0;
  bool inString = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"') inString = !inString;
    if (inString) continue;
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (c == separator && depth == 0) {
      arguments.emplace_back(Trim(text.substr(start, i - start)));
      start = i + 1;
    }
  }
  if (!Trim(text).empty()) arguments.emplace_back(Trim(text.substr(start)));
  return arguments;
}

// The name of a workspace command line, or empty.
std::string_view CommandName(std::string_view text) {
  std::size_t open = text.find('(');
  if (open == std::string_view::npos || text.back() != ')') return {};
  std::string_view name = Trim(text.substr(0, open));
  for (std::string_view command : kCommandNames) {
    if (EqualsNoCase(name, command)) return command;
  }
  return {};
}

LineOutcome Failure(CalcError code) {
  LineOutcome outcome;
  outcome.code = code;
  return outcome;
}

}  // namespace

LineOutcome LineExecutor::Execute(std::string_view text) {
  std::string_view line = Trim(text);
  if (line.empty() || line.front() == '\'') return LineOutcome{};
  if (line.back() == '=') line = Trim(line.substr(0, line.size() - 1));
  if (line.empty()) return LineOutcome{};

  if (std::string_view command = CommandName(line); !command.empty()) {
    LineOutcome outcome;
    std::size_t open = line.find('(');
    std::vector<std::string> arguments = SplitArguments(line.substr(open + 1, line.size() - open - 2));
    if (commands_ == nullptr) return Failure(kOperationNotSupported);
    commands_->Execute(command, arguments, outcome);
    return outcome;
  }
  if (std::size_t arrow = line.find("->"); arrow != std::string_view::npos) {
    return StoreIntoVariable(line.substr(0, arrow), Trim(line.substr(arrow + 2)));
  }
  if (std::size_t equals = line.find('='); equals != std::string_view::npos) {
    std::string_view left = Trim(line.substr(0, equals));
    if (!left.empty()) return Define(line, left, line.substr(equals + 1));
  }
  return Calculate(line, static_cast<int>(line.data() - text.data()));
}

LineOutcome LineExecutor::StoreIntoVariable(std::string_view expression, std::string_view name) {
  engine_.SetExpression(expression);
  CalcError code = engine_.Parse();
  double value = 0.0;
  if (code == kNoError) {
    value = engine_.Evaluate();
    code = engine_.EvaluationError();
  }
  if (code == kNoError) code = store_.AddOrSetVariable(engine_, name, value, true);
  return Failure(code);
}

LineOutcome LineExecutor::Define(std::string_view line, std::string_view left,
                                 std::string_view formula) {
  if (left.find('(') != std::string_view::npos) {
    return Failure(store_.DefineUserFunction(engine_, line, true));
  }
  if (CalcError code = store_.DefineExpressionVariable(engine_, left, formula, true)) {
    return Failure(code);
  }
  const int index = engine_.FindExpressionVariable(left);
  if (CalcError code = store_.EvaluateExpressionVariable(engine_, index)) return Failure(code);
  // The value alone, in the number format: no base display, and ANS stays.
  LineOutcome outcome;
  outcome.report.resultText = engine_.ResultFormat().Format(
      engine_.ExpressionVariables()[static_cast<std::size_t>(index)].cachedValue);
  return outcome;
}

LineOutcome LineExecutor::Calculate(std::string_view text, int offset) {
  LineOutcome outcome;
  engine_.SetExpression(text);
  if (CalcError code = engine_.Parse()) {
    outcome.code = code;
    outcome.errorPosition = engine_.ErrorPosition() + offset;
    outcome.errorLength = CCalcEngine::ErrorLength();
    return outcome;
  }
  double value = engine_.Evaluate();
  if (CalcError code = engine_.EvaluationError()) return Failure(code);
  engine_.SetAnswer(value);
  outcome.report.resultText = engine_.FormatResult();
  return outcome;
}

std::string ContinueFromAnswer(std::string_view trimmedLine) {
  if (!trimmedLine.empty() && std::string_view("!%*+/^").find(trimmedLine.front()) !=
                                  std::string_view::npos) {
    return "ANS" + std::string(trimmedLine);
  }
  return std::string(trimmedLine);
}

}  // namespace orvella
