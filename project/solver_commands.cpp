#include "project/solver_commands.h"

#include <memory>
#include <string>
#include <vector>

#include "engine/text_util.h"
#include "project/my_document.h"
#include "tools/solver_report.h"
#include "worksheet/report_writer.h"

namespace orvella {
namespace {

// A default interval that is empty leaves the model searching everywhere; the engine
// clamps the steps and replaces decimal places it cannot use.
void ApplyDefaults(CSolverModel& model, const SolverModelDefaults& defaults) {
  if (defaults.min < defaults.max) {
    model.min = defaults.min;
    model.max = defaults.max;
  }
  model.SetSolverSteps(defaults.steps);
  model.SetSolverDecimalPlaces(defaults.decimalPlaces);
}

CSolverModel* SelectedModel(CMyDocument& document) {
  const DocumentSelection& selection = document.Selection();
  SolverModels& models = document.Solvers();
  if (selection.kind != ItemKind::SolverModel || selection.index < 0 ||
      selection.index >= static_cast<int>(models.size())) {
    return nullptr;
  }
  return models[selection.index].get();
}

}  // namespace

int FindSolverModel(const CMyDocument& document, std::string_view equation) {
  const std::string_view wanted = Trim(equation);
  const SolverModels& models = document.Solvers();
  for (std::size_t i = 0; i < models.size(); ++i) {
    if (EqualsNoCase(models[i]->Equation(), wanted)) return static_cast<int>(i);
  }
  return -1;
}

CalcError AddSolverModel(CMyDocument& document, std::string_view equation,
                         std::string_view note) {
  const std::string_view text = Trim(equation);
  if (text.empty()) return kInvalidEquation;
  if (FindSolverModel(document, text) >= 0) return kNameExists;
  auto model = std::make_unique<CSolverModel>();
  if (CalcError code = model->SetEquation(text)) return code;
  model->note = std::string(Trim(note));
  ApplyDefaults(*model, document.Settings().solverDefaults);
  document.Solvers().push_back(std::move(model));
  document.SaveUserDefinitions();
  return kNoError;
}

CalcError SolveFor(CMyDocument& document, int variable) {
  CSolverModel* model = SelectedModel(document);
  if (model == nullptr) return kBadArgument;
  std::vector<double> roots;
  if (CalcError code = model->Solve(variable, roots)) return code;
  if (platform::TextEditor* worksheet = document.Worksheet()) {
    AppendReport(*worksheet, SolverReport(*model, variable, roots),
                 document.Engine().ResultFormat());
  }
  return kNoError;
}

}  // namespace orvella
