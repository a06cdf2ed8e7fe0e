// The document's operations on its solver models: adding one with the user's defaults,
// finding one by its equation, and solving the selected one into the worksheet.
#pragma once

#include <string_view>

#include "engine/calc_error.h"

namespace orvella {

class CMyDocument;

// The model whose equation is `equation`, trimmed, in any letter case; -1 when none.
int FindSolverModel(const CMyDocument& document, std::string_view equation);

// A new model at the end of the collection, with the document's solver defaults. Codes:
// 28 for an empty equation, 22 when a model has it already, and SetEquation's.
CalcError AddSolverModel(CMyDocument& document, std::string_view equation,
                         std::string_view note);

// Solves the selected solver model for its variable `variable` and, when a worksheet is
// connected, writes the report at its end. Codes: those of CSolverModel::Solve; 13 when
// no solver model is selected.
CalcError SolveFor(CMyDocument& document, int variable);

}  // namespace orvella
