// The report a solved model writes into the worksheet: what was solved, with which given
// values, and every root found.
#pragma once

#include <vector>

#include "tools/solver_model.h"
#include "worksheet/result_report.h"

namespace orvella {

// `variable`, a valid index, is the one solved for; every other variable is listed with its
// value.
CResultReport SolverReport(const CSolverModel& model, int variable,
                           const std::vector<double>& roots);

}  // namespace orvella
