#include "engine/calc_engine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/bound_variables.h"
#include "engine/locale_chars.h"
#include "engine/parser.h"
#include "engine/program.h"
#include "engine/text_util.h"
#include "library/integer_argument.h"

namespace orvella {
namespace {

// Digits of a 32-bit value in a base; negative values show their two's complement.
std::string BaseDigits(std::int32_t n, int base) {
  std::uint32_t u = static_cast<std::uint32_t>(n);
  if (u == 0) return "0";
  std::string digits;
  while (u != 0) {
    digits += "0123456789abcdefghijklmnopqrstuvwxyz"[u % static_cast<std::uint32_t>(base)];
    u /= static_cast<std::uint32_t>(base);
  }
  std::reverse(digits.begin(), digits.end());
  return digits;
}

const char* BasePrefix(int base) {
  switch (base) {
    case 16: return "0x";
    case 8: return "0o";
    case 2: return "0b";
    default: return "";
  }
}

}  // namespace

CCalcEngine::CCalcEngine() { root_.engine = this; }

CCalcEngine::~CCalcEngine() = default;

void CCalcEngine::SetAngleMode(AngleMode mode) {
  if (mode != angleMode_) program_.reset();
  angleMode_ = mode;
}

void CCalcEngine::SetInputBase(int base) { inputBase_ = std::clamp(base, 2, 36); }

void CCalcEngine::SetSolverDecimalPlaces(int places) {
  solverPlaces_ = (places >= 0 && places <= 16) ? places : 2;
  tolerance_ = std::pow(10.0, -solverPlaces_);
}

void CCalcEngine::SetSolverSteps(int steps) { solverSteps_ = std::clamp(steps, 1, 10000); }

int CCalcEngine::FindVariable(std::string_view name) const {
  for (std::size_t i = 0; i < variables_.size(); ++i) {
    if (EqualsNoCase(variables_[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

int CCalcEngine::FindExpressionVariable(std::string_view name) const {
  for (std::size_t i = 0; i < expressionVariables_.size(); ++i) {
    if (EqualsNoCase(expressionVariables_[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

int CCalcEngine::AppendVariable(std::string_view name, double value) {
  variables_.push_back(ValueVariable{std::string(name), value});
  return static_cast<int>(variables_.size()) - 1;
}

std::string_view CCalcEngine::KeepText(std::string text) {
  keptTexts_.push_back(std::move(text));
  return keptTexts_.back();
}

void CCalcEngine::SetExpression(std::string_view text) {
  root_.Reset();
  program_.reset();
  keptTexts_.clear();
  expression_ = std::string(text);
  root_.SetSource(expression_);
}

CalcError CCalcEngine::Parse() {
  displayBase_ = -1;
  calledUserFunction_ = false;
  root_.expansionGuard.clear();
  root_.parsed = false;
  program_.reset();
  keptTexts_.clear();
  root_.SetSource(expression_);
  return ParseExpressionTree(*this, root_);
}

void CCalcEngine::EnsureProgram() {
  if (!program_) program_ = std::make_unique<Program>(Program::Compile(root_, *this));
}

double CCalcEngine::Evaluate() {
  root_.stringResult = false;
  if (!program_) [[unlikely]] {
    if (!root_.parsed) {
      // Nothing parsed successfully: the parse failure (if any) stays the result.
      root_.value = 0.0;
      return 0.0;
    }
    EnsureProgram();
  }
  double result = 0.0;
  root_.errorCode = program_->Run(*this, result);
  root_.errorPosition = -1;
  root_.value = result;
  return result;
}

std::string CCalcEngine::ErrorText(int code) { return orvella::ErrorText(code); }

int CCalcEngine::ErrorLength() { return ParseErrorLength(); }

void CCalcEngine::SetStringResult(std::string text) {
  stringResult_ = std::move(text);
  root_.stringResult = true;
}

std::string CCalcEngine::FormatResult() const {
  if (root_.stringResult) return stringResult_;
  const double value = root_.value;
  const int base = displayBase_ > 0 ? displayBase_ : inputBase_;
  if (base == 10 || !std::isfinite(value)) {
    std::string text = resultFormat_.Format(value);
    return inputBase_ != 10 ? "0D" + text : text;
  }
  const std::int32_t n = IntegerArgument(value);  // its low 32 bits
  std::string text = ToUpperAscii(std::string(BasePrefix(base)) + BaseDigits(n, base));
  if (std::fabs(value - n) > 1e-15) {
    std::string decimal = ToUpperAscii(PrintGeneral(value, 6));
    std::replace(decimal.begin(), decimal.end(), '.', FormattingChars().decimalPoint);
    text += "  (Warning: truncated from decimal number " + decimal + ")";
  }
  return text;
}

}  // namespace orvella
