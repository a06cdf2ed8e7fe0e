// Prints a parsed tree back as expression text. The text is read again by the parser (a
// derivative's pieces, stored formulas translated between decimal conventions), so it is
// written with the current convention's decimal point and argument separator and carries
// exactly the parentheses the tree needs.
#pragma once

#include <string>

namespace orvella {

class CCalcEngine;
class CExprNode;

// "%.15g" with the expression convention's decimal point.
std::string NumberText(double value);

// NumberText; negative numbers (and -0, which
// would otherwise read as an operator) in parentheses.
std::string PrintNumber(double value);

// The printed form of a subtree. With printValues, value variables of the engine print as
// "(value)" instead of their names.
std::string PrintExpression(const CExprNode& node, const CCalcEngine& engine, bool printValues);

}  // namespace orvella
