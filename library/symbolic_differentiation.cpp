#include "library/symbolic_differentiation.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/bound_variables.h"
#include "engine/calc_engine.h"
#include "engine/expr_node.h"
#include "engine/parser.h"
#include "engine/program.h"
#include "library/derivative_rules.h"
#include "library/derivative_simplifier.h"
#include "library/expression_printer.h"

namespace orvella {
namespace {

bool IsBinaryOperator(const CExprNode& node) {
  return node.op >= kOpAdd && node.op <= kOpPower && node.left && node.right;
}

std::string Wrapped(std::string text) { return '(' + std::move(text) + ')'; }

class Differentiator {
 public:
  explicit Differentiator(CCalcEngine& engine) : engine_(engine) {}

  CalcError Derivative(CExprNode& node);

 private:
  CalcError DifferentiateOperation(CExprNode& node);
  CalcError PrintedDerivative(CExprNode& child, std::string& text);
  CalcError ReplaceByText(CExprNode& node, std::string text);
  PowerCase ClassifyPower(const CExprNode& node, double& exponent);
  std::string Printed(const CExprNode& node) const {
    return PrintExpression(node, engine_, false);
  }

  CCalcEngine& engine_;
  std::size_t workLeft_ = kMaxDerivativeWork;
};

CalcError Differentiator::Derivative(CExprNode& node) {
  switch (node.kind) {
    case NodeKind::Number:
    case NodeKind::Undefined:
    case NodeKind::PredefinedConstant:
      MakeNumber(node, 0.0);
      return kNoError;
    case NodeKind::BoundVariable:
      // The variable was given the first bound variable's name for the call.
      MakeNumber(node, node.index == kBoundX ? 1.0 : 0.0);
      return kNoError;
    case NodeKind::Operation:
      return DifferentiateOperation(node);
    default:
      return kInvalidFunction;
  }
}

// Which template of '^' applies; for a numeric exponent also its value. An exponent whose
// value cannot be had (1/0) or is not finite is left to the next case, which keeps it as
// text, so its evaluation error shows where the derivative is used.
PowerCase Differentiator::ClassifyPower(const CExprNode& node, double& exponent) {
  if (IsMadeOfNumbers(*node.right) &&
      EvaluateSubtree(*node.right, engine_, exponent) == kNoError && std::isfinite(exponent)) {
    return PowerCase::kNumericExponent;
  }
  if (IsFreeOfVariable(*node.right)) return PowerCase::kConstantExponent;
  if (IsFreeOfVariable(*node.left)) return PowerCase::kConstantBase;
  return PowerCase::kGeneral;
}

CalcError Differentiator::DifferentiateOperation(CExprNode& node) {
  const bool binary = IsBinaryOperator(node);
  double exponent = 0.0;
  const PowerCase powerCase =
      node.op == kOpPower && binary ? ClassifyPower(node, exponent) : PowerCase::kNotPower;
  const DerivativeRule* rule = FindDerivativeRule(node.op, powerCase);
  if (!rule || !node.left || (node.op <= kOpPower && !binary)) return kInvalidFunction;

  SlotTexts texts;
  auto text = [&texts](RuleSlot slot) -> std::string& {
    return texts[static_cast<std::size_t>(slot)];
  };
  text(RuleSlot::kOperator) = node.token;
  // The operands are printed before their derivatives replace them: the node is rebuilt
  // from the text below, so the children need not be kept (no copy is made).
  text(RuleSlot::kLeft) = Wrapped(Printed(*node.left));
  if (binary) text(RuleSlot::kRight) = Wrapped(Printed(*node.right));
  if (powerCase == PowerCase::kNumericExponent) {
    // Filled with 15 significant digits, not the six of "%g": the text is parsed again,
    // and six digits would turn x^1.23456789 into 1.23457*x^0.234568.
    text(RuleSlot::kExponent) = NumberText(exponent);
    text(RuleSlot::kExponentLessOne) = NumberText(exponent - 1.0);
  }
  // Both derivatives are taken whether or not the template uses them: a failure in
  // either ends the rule.
  if (CalcError code = PrintedDerivative(*node.left, text(RuleSlot::kLeftDerivative))) {
    return code;
  }
  if (binary) {
    if (CalcError code = PrintedDerivative(*node.right, text(RuleSlot::kRightDerivative))) {
      return code;
    }
  }
  return ReplaceByText(node, FillRule(*rule, texts));
}

CalcError Differentiator::PrintedDerivative(CExprNode& child, std::string& text) {
  if (CalcError code = Derivative(child)) return code;
  text = Wrapped(Printed(child));
  return kNoError;
}

CalcError Differentiator::ReplaceByText(CExprNode& node, std::string text) {
  if (text.size() > workLeft_) return kOverflow;
  workLeft_ -= text.size();
  node.Reset();
  node.inList = false;  // the text is one operand, never an argument list
  node.source = engine_.KeepText(std::move(text));
  // The parser refuses nesting deeper than kMaxNestingDepth with kOverflow.
  if (CalcError code = ParseExpressionTree(engine_, node)) return code;
  SimplifyTree(node, engine_);
  return kNoError;
}

// The first bound variable carries the differentiation variable's name for the call; the
// name goes back on every path out, failures included.
class ScopedVariableName {
 public:
  explicit ScopedVariableName(std::string_view name) : saved_(BoundVariables()[kBoundX].name) {
    BoundVariables()[kBoundX].name = std::string(name);
  }
  ~ScopedVariableName() { BoundVariables()[kBoundX].name = std::move(saved_); }
  ScopedVariableName(const ScopedVariableName&) = delete;
  ScopedVariableName& operator=(const ScopedVariableName&) = delete;

 private:
  std::string saved_;
};

// For the call the engine reads and computes like a freshly made engine with lenient
// names: default modes, decimal input, radians, and none of its own variables. A name the
// derivative treats as a constant must not expand an expression variable or create a
// value variable, and the derivative must not depend on the engine's settings.
class ScopedScratchSettings {
 public:
  explicit ScopedScratchSettings(CCalcEngine& engine)
      : engine_(engine),
        modes_(engine.Modes()),
        inputBase_(engine.InputBase()),
        angleMode_(engine.GetAngleMode()),
        variables_(std::move(engine.Variables())),
        expressionVariables_(std::move(engine.ExpressionVariables())) {
    engine.Modes() = EngineModes{};
    engine.Modes().lenientNames = true;
    engine.SetInputBase(10);
    engine.SetAngleMode(AngleMode::Radians);
    engine.Variables().clear();
    engine.ExpressionVariables().clear();
  }
  ~ScopedScratchSettings() {
    engine_.Modes() = modes_;
    engine_.SetInputBase(inputBase_);
    engine_.SetAngleMode(angleMode_);
    engine_.Variables() = std::move(variables_);
    engine_.ExpressionVariables() = std::move(expressionVariables_);
  }
  ScopedScratchSettings(const ScopedScratchSettings&) = delete;
  ScopedScratchSettings& operator=(const ScopedScratchSettings&) = delete;

 private:
  CCalcEngine& engine_;
  EngineModes modes_;
  int inputBase_;
  AngleMode angleMode_;
  std::vector<ValueVariable> variables_;
  std::vector<ExpressionVariable> expressionVariables_;
};

}  // namespace

CalcError DifferentiateNode(CExprNode& node, CCalcEngine& engine) {
  return Differentiator(engine).Derivative(node);
}

// The work is done on this engine's own tree under scratch settings rather than in a
// separate engine: the derivative's nodes view texts the engine keeps alive, so the tree
// stays valid after the call and FormatExpression prints exactly what was derived (a
// printed tree parsed again would read (-2) back as 0-2).
CalcError CCalcEngine::Differentiate(std::string_view variable) {
  const std::string original = expression_;
  CalcError code = kNoError;
  {
    ScopedVariableName rename(variable);
    ScopedScratchSettings scratch(*this);
    SetExpression(original);
    code = Parse();
    if (code == kNoError) code = DifferentiateNode(root_, *this);
    if (code == kNoError) {
      expression_ = PrintExpression(root_, *this, false);
      root_.source = expression_;
      program_.reset();
    }
  }
  // A failure leaves the original text, not yet parsed again.
  if (code != kNoError) SetExpression(original);
  return code;
}

}  // namespace orvella
