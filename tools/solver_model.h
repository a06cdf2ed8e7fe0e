// A solver model: a stored equation with its variables. It is an engine of its own, whose
// value variables are the equation's variables and whose steps and decimal places drive
// the root search.
#pragma once

#include <string>

#include "engine/calc_engine.h"

namespace orvella {

class CSolverModel : public CCalcEngine {
 public:
  // The equation as typed, trimmed: also the model's identity and explorer label.
  const std::string& Equation() const { return equation_; }

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
