// The parse procedure: each node splits its own text at the weakest operator outside
// parentheses (rightmost first, so operators associate to the left) and parses the
// pieces as children.
#pragma once

#include "engine/calc_error.h"

namespace orvella {

class CCalcEngine;
class CExprNode;

// Parses the root node of an engine. Positions of failures are relative to the text the
// root was given; the error length is the process-wide one below.
CalcError ParseExpressionTree(CCalcEngine& engine, CExprNode& root);

int ParseErrorLength();

}  // namespace orvella
