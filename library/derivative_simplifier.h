// What a subtree is made of, and the simplifications applied to a derivative after each
// rule: constant folding and the identities of 0 and 1.
#pragma once

#include "engine/calc_error.h"

namespace orvella {

class CCalcEngine;
class CExprNode;

// Only Number nodes and operations on them (RAND, which has no operands, is not a number).
bool IsMadeOfNumbers(const CExprNode& node);

// Only Number and Undefined nodes and operations on them. A predefined constant does not
// count, so e^x takes the general rule of '^' (which is still correct).
bool IsFreeOfVariable(const CExprNode& node);

// The value of a parsed subtree, evaluated by the engine.
CalcError EvaluateSubtree(const CExprNode& node, CCalcEngine& engine, double& value);

// Turns a node into a parsed Number node.
void MakeNumber(CExprNode& node, double value);

// Bottom-up over the whole tree: a binary operation made of numbers becomes its value
// (unless evaluating it fails); then a+0, 0+a, a-0, a*1, 1*a, a/1 and a^1 become a, and
// 0*a and a*0 become 0.
void SimplifyTree(CExprNode& node, CCalcEngine& engine);

}  // namespace orvella
