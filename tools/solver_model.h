// A solver model: a stored equation with its variables. It is an engine of its own, whose
// value variables are the equation's variables and whose steps and decimal places drive
// the root search.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_engine.h"

namespace orvella {

class CSolverModel : public CCalcEngine {
 public:
  // x, y, z and t are variables of the equation like any other name, not the bound
  // variables the plots share.
  CSolverModel();

  // The equation as typed, trimmed: also the model's identity and explorer label.
  const std::string& Equation() const { return equation_; }

  // "left = right" is solved as left-(right); text without "=" where it is zero. The
  // variables are rebuilt, each 0, in order of first appearance. Codes: 28 for an empty
  // text or side and for an equation without variables; parse codes as they are. A failing
  // call leaves the equation and the variables as they were.
  CalcError SetEquation(std::string_view text);

  // Every root in [min, max] of the equation as a function of variable `variable`, the
  // others keeping their values, in the order found (a root on a boundary between two
  // pieces of the scan may come twice); the variable takes the first root. Codes: parse
  // codes; 13 for a bad variable index or an interval that is empty or too wide to split;
  // 36 when there is no root (the variable keeps its value).
  CalcError Solve(int variable, std::vector<double>& roots);

  std::string note;
  double min = -1E300;
  double max = 1E300;
  // Stored and loaded as they are; nothing else reads them.
  std::string reserved;
  double reserved2 = 0.0;

 protected:
  std::string equation_;
};

}  // namespace orvella
