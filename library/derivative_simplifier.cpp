#include "library/derivative_simplifier.h"

#include <memory>
#include <utility>

#include "engine/calc_engine.h"
#include "engine/expr_node.h"
#include "engine/program.h"
#include "library/expression_printer.h"

namespace orvella {
namespace {

bool ChildrenSatisfy(const CExprNode& node, bool (*test)(const CExprNode&)) {
  return (!node.left || test(*node.left)) && (!node.right || test(*node.right));
}

bool IsValue(const CExprNode* node, double value) {
  return node && node->kind == NodeKind::Number && node->value == value;
}

// The node takes the place of its child, keeping its own place in the parent.
void ReplaceByChild(CExprNode& node, std::unique_ptr<CExprNode> child) {
  node.kind = child->kind;
  node.value = child->value;
  node.token = std::move(child->token);
  node.op = child->op;
  node.index = child->index;
  node.source = child->source;
  node.parsed = child->parsed;
  node.stringResult = child->stringResult;
  node.left = std::move(child->left);
  node.right = std::move(child->right);
}

enum class Identity { kNone, kKeepLeft, kKeepRight, kZero };

// Rules 2 to 5 of the simplification.
Identity FindIdentity(const CExprNode& node) {
  const CExprNode* a = node.left.get();
  const CExprNode* b = node.right.get();
  switch (node.op) {
    case kOpAdd:
      if (IsValue(a, 0)) return Identity::kKeepRight;
      return IsValue(b, 0) ? Identity::kKeepLeft : Identity::kNone;
    case kOpSubtract:
      return IsValue(b, 0) ? Identity::kKeepLeft : Identity::kNone;
    case kOpMultiply:
      if (IsValue(a, 0) || IsValue(b, 0)) return Identity::kZero;
      if (IsValue(a, 1)) return Identity::kKeepRight;
      return IsValue(b, 1) ? Identity::kKeepLeft : Identity::kNone;
    case kOpDivide:
    case kOpPower:
      return IsValue(b, 1) ? Identity::kKeepLeft : Identity::kNone;
    default:
      return Identity::kNone;
  }
}

Identity ApplyIdentity(CExprNode& node) {
  const Identity identity = FindIdentity(node);
  switch (identity) {
    case Identity::kKeepLeft: ReplaceByChild(node, std::move(node.left)); break;
    case Identity::kKeepRight: ReplaceByChild(node, std::move(node.right)); break;
    case Identity::kZero: MakeNumber(node, 0.0); break;
    case Identity::kNone: break;
  }
  return identity;
}

bool SimplifyNode(CExprNode& node, CCalcEngine& engine);

// Argument lists are right-leaning chains of up to 100000 links: walked in a loop.
void SimplifyList(CExprNode& list, CCalcEngine& engine) {
  CExprNode* link = &list;
  while (link && link->kind == NodeKind::ArgumentList) {
    if (link->left) SimplifyNode(*link->left, engine);
    link = link->right.get();
  }
  if (link) SimplifyNode(*link, engine);
}

// Returns whether the simplified subtree is made of numbers, so that the test costs one
// pass over the tree rather than one per node.
bool SimplifyNode(CExprNode& node, CCalcEngine& engine) {
  if (node.kind == NodeKind::ArgumentList) {
    SimplifyList(node, engine);
    return false;
  }
  const bool leftNumbers = !node.left || SimplifyNode(*node.left, engine);
  const bool rightNumbers = !node.right || SimplifyNode(*node.right, engine);
  const bool numbers =
      node.kind == NodeKind::Number ||
      (node.kind == NodeKind::Operation && node.op != kOpRandom && leftNumbers && rightNumbers);
  if (node.kind != NodeKind::Operation || !node.left || !node.right) return numbers;
  double value = 0.0;
  if (numbers && EvaluateSubtree(node, engine, value) == kNoError) {
    MakeNumber(node, value);
    return true;
  }
  switch (ApplyIdentity(node)) {
    case Identity::kKeepLeft: return leftNumbers;
    case Identity::kKeepRight: return rightNumbers;
    case Identity::kZero: return true;
    case Identity::kNone: break;
  }
  return numbers;
}

}  // namespace

bool IsMadeOfNumbers(const CExprNode& node) {
  if (node.kind == NodeKind::Number) return true;
  if (node.kind != NodeKind::Operation || node.op == kOpRandom) return false;
  return ChildrenSatisfy(node, IsMadeOfNumbers);
}

bool IsFreeOfVariable(const CExprNode& node) {
  if (node.kind == NodeKind::Number || node.kind == NodeKind::Undefined) return true;
  if (node.kind != NodeKind::Operation) return false;
  return ChildrenSatisfy(node, IsFreeOfVariable);
}

CalcError EvaluateSubtree(const CExprNode& node, CCalcEngine& engine, double& value) {
  return Program::Compile(node, engine).Run(engine, value);
}

void MakeNumber(CExprNode& node, double value) {
  node.Reset();
  node.kind = NodeKind::Number;
  node.value = value;
  node.token = NumberText(value);
  node.parsed = true;
}

void SimplifyTree(CExprNode& node, CCalcEngine& engine) { SimplifyNode(node, engine); }

}  // namespace orvella
