#include "tools/solver_report.h"

#include <string>

namespace orvella {

CResultReport SolverReport(const CSolverModel& model, int variable,
                           const std::vector<double>& roots) {
  const std::vector<ValueVariable>& variables = model.Variables();
  CResultReport report;
  report.title = "Solver solution";
  report.AddText("Equation: ", model.Equation());
  report.AddText("Solving for: ", variables[variable].name);
  report.AddText("Given parameters: ", "");
  for (int i = 0; i < static_cast<int>(variables.size()); ++i) {
    if (i != variable) report.AddNumber(variables[i].name + " = ", variables[i].value, true);
  }
  report.AddInteger("Solutions found: ", static_cast<double>(roots.size()));
  for (double root : roots) report.AddNumber(variables[variable].name + " = ", root, true);
  return report;
}

}  // namespace orvella
