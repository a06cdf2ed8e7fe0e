#include "library/expression_printer.h"

#include <algorithm>
#include <cmath>

#include "engine/calc_engine.h"
#include "engine/expr_node.h"
#include "engine/locale_chars.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

bool IsBinaryOperator(const CExprNode& node) {
  return node.kind == NodeKind::Operation && node.op >= kOpAdd && node.op <= kOpPower &&
         node.left && node.right;
}

// FACT(x) shares its id with the postfix '!', so the token tells them apart.
bool IsPostfixOperator(const CExprNode& node) {
  return node.kind == NodeKind::Operation && node.left &&
         (node.op == kOpPercent || (node.op == kOpFactorial && node.token == "!"));
}

// Whether a binary operator below a binary operator needs parentheses to parse back into
// the same tree. The parser splits at the rightmost weakest operator, so operators
// associate to the left and only a right operand of the same strength needs them.
bool NeedsParentheses(const CExprNode& child, int parentOp, bool isRight) {
  if (!IsBinaryOperator(child)) return false;
  switch (child.op) {
    case kOpAdd:
    case kOpSubtract:
      return (parentOp == kOpSubtract && isRight) || parentOp == kOpMultiply ||
             parentOp == kOpDivide || parentOp == kOpPower;
    case kOpMultiply:
    case kOpDivide:
      return (parentOp == kOpDivide && isRight) || parentOp == kOpPower;
    default:
      return parentOp == kOpPower && isRight;
  }
}

// Operands a postfix operator takes without parentheses.
bool IsBarePostfixOperand(const CExprNode& operand) {
  return (operand.kind == NodeKind::Number && !std::signbit(operand.value)) ||
         operand.kind == NodeKind::Variable || operand.kind == NodeKind::PredefinedConstant;
}

class Printer {
 public:
  Printer(const CCalcEngine& engine, bool printValues)
      : engine_(engine), printValues_(printValues) {}

  void Print(const CExprNode& node, std::string& out) const;

 private:
  void PrintName(const CExprNode& node, std::string& out) const;
  void PrintList(const CExprNode& list, std::string& out) const;
  void PrintOperation(const CExprNode& node, std::string& out) const;
  void PrintOperand(const CExprNode& child, int parentOp, bool isRight, std::string& out) const;

  const CCalcEngine& engine_;
  bool printValues_;
};

void Printer::Print(const CExprNode& node, std::string& out) const {
  switch (node.kind) {
    case NodeKind::Number: out += PrintNumber(node.value); return;
    case NodeKind::ArgumentList: PrintList(node, out); return;
    case NodeKind::Operation: PrintOperation(node, out); return;
    // The parser keeps a literal's text without its quotes; they go back on.
    case NodeKind::String: out += '"' + node.token + '"'; return;
    default: PrintName(node, out); return;
  }
}

void Printer::PrintName(const CExprNode& node, std::string& out) const {
  const auto& variables = engine_.Variables();
  const bool known = node.index >= 0 && node.index < static_cast<int>(variables.size());
  if (printValues_ && node.kind == NodeKind::Variable && known) {
    // Always in parentheses: a fitted value stands where a name stood, in any position.
    out += '(' + NumberText(variables[node.index].value) + ')';
    return;
  }
  out += node.token;
}

// A list is a right-leaning chain with one link per argument (up to 100000): walked in a
// loop, not by recursion.
void Printer::PrintList(const CExprNode& list, std::string& out) const {
  const char separator = ExpressionChars().argumentSeparator;
  const CExprNode* link = &list;
  while (link->kind == NodeKind::ArgumentList) {
    if (link->left) Print(*link->left, out);
    out += separator;
    if (!link->right) return;
    link = link->right.get();
  }
  Print(*link, out);
}

void Printer::PrintOperation(const CExprNode& node, std::string& out) const {
  if (IsBinaryOperator(node)) {
    PrintOperand(*node.left, node.op, false, out);
    out += node.token;
    PrintOperand(*node.right, node.op, true, out);
  } else if (IsPostfixOperator(node)) {
    const bool bare = IsBarePostfixOperand(*node.left);
    if (!bare) out += '(';
    Print(*node.left, out);
    if (!bare) out += ')';
    out += node.token;
  } else if (node.left) {
    out += node.token;
    out += '(';
    Print(*node.left, out);
    out += ')';
  } else {
    out += node.token;  // RAND reads back without its empty parentheses
  }
}

void Printer::PrintOperand(const CExprNode& child, int parentOp, bool isRight,
                           std::string& out) const {
  const bool wrap = NeedsParentheses(child, parentOp, isRight);
  if (wrap) out += '(';
  Print(child, out);
  if (wrap) out += ')';
}

}  // namespace

std::string NumberText(double value) {
  std::string text = PrintGeneral(value, 15);
  std::replace(text.begin(), text.end(), '.', ExpressionChars().decimalPoint);
  return text;
}

std::string PrintNumber(double value) {
  std::string text = NumberText(value);
  return std::signbit(value) ? '(' + text + ')' : text;
}

std::string PrintExpression(const CExprNode& node, const CCalcEngine& engine, bool printValues) {
  std::string out;
  Printer(engine, printValues).Print(node, out);
  return out;
}

std::string CCalcEngine::FormatExpression(bool printValues) const {
  if (!root_.parsed) return {};
  return PrintExpression(root_, *this, printValues);
}

}  // namespace orvella
