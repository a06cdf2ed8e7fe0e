// The workspace commands a worksheet line can hold: SDIFF and FZEROS compute here; PLOT and
// PLOT3D make graph items, which the project document provides.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "worksheet/line_execution.h"

namespace orvella {

class CalculationCommands : public WorkspaceCommands {
 public:
  // The workspace engine reads the ranges and lends its settings; graphs may be null, so
  // that PLOT and PLOT3D fail with kOperationNotSupported.
  CalculationCommands(CCalcEngine& workspace, WorkspaceCommands* graphs = nullptr)
      : workspace_(workspace), graphs_(graphs) {}

  void Execute(std::string_view name, const std::vector<std::string>& arguments,
               LineOutcome& outcome) override;

 private:
  // SDIFF(f [, variable]): the derivative printed as expression text.
  CalcError Differentiate(const std::vector<std::string>& arguments, std::string& text);
  // FZEROS(f, a, b): the roots of f in [a, b] by the all-roots search.
  CalcError Zeros(const std::vector<std::string>& arguments, std::string& text);

  CCalcEngine& workspace_;
  WorkspaceCommands* graphs_;
};

}  // namespace orvella
