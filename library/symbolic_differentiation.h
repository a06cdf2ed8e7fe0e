// Rule-based symbolic differentiation with respect to the first bound variable. For an
// operation the derivative is assembled as text from the template of its code, filled
// with the printed operand and the printed derivative of the operand, parsed again and
// simplified (library/derivative_rules.h, library/derivative_simplifier.h).
#pragma once

#include <cstddef>

#include "engine/calc_error.h"

namespace orvella {

class CCalcEngine;
class CExprNode;

// A derivative's text can grow much faster than its source (each level of a product or a
// chain repeats the levels below it), and every level parses its text again. Past this
// many characters parsed in one differentiation it fails with kOverflow instead of
// taking minutes and memory (a few seconds' work at most).
inline constexpr std::size_t kMaxDerivativeWork = 3000000;

// Replaces a parsed node of the engine by its derivative. Codes: 29 for a node kind or
// operation without a rule (value variables, user constants, argument lists, strings,
// %, !, INT, MOD, user functions, ...); 12 when the text grows too long or too deep;
// the parse errors of a derivative's text.
CalcError DifferentiateNode(CExprNode& node, CCalcEngine& engine);

}  // namespace orvella
