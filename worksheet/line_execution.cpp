#include "worksheet/line_execution.h"

#include "engine/text_util.h"

namespace orvella {
namespace {

LineOutcome RunCalculation(CCalcEngine& engine, std::string_view text, int offset) {
  LineOutcome outcome;
  engine.SetExpression(text);
  if (CalcError code = engine.Parse()) {
    outcome.code = code;
    outcome.errorPosition = engine.ErrorPosition() + offset;
    outcome.errorLength = CCalcEngine::ErrorLength();
    return outcome;
  }
  double value = engine.Evaluate();
  if (CalcError code = engine.EvaluationError()) {
    outcome.code = code;
    return outcome;
  }
  engine.SetAnswer(value);
  outcome.resultText = engine.FormatResult();
  return outcome;
}

}  // namespace

LineOutcome ExecuteLine(CCalcEngine& engine, std::string_view text) {
  std::string_view line = Trim(text);
  if (line.empty() || line.front() == '\'') return LineOutcome{};
  if (line.back() == '=') line = Trim(line.substr(0, line.size() - 1));
  if (line.empty()) return LineOutcome{};
  const int offset = static_cast<int>(line.data() - text.data());
  return RunCalculation(engine, line, offset);
}

std::string ContinueFromAnswer(std::string_view trimmedLine) {
  if (!trimmedLine.empty() && std::string_view("!%*+/^").find(trimmedLine.front()) !=
                                  std::string_view::npos) {
    return "ANS" + std::string(trimmedLine);
  }
  return std::string(trimmedLine);
}

}  // namespace orvella
