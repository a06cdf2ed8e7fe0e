#include "project/nonlinear_fit_command.h"

#include <algorithm>

#include "analysis/initial_values_model.h"
#include "engine/text_util.h"
#include "platform/prompter.h"
#include "project/fitted_graph.h"
#include "project/my_document.h"

namespace orvella {
namespace {

// A table this short is turned away before the model dialog; the fit itself wants three
// rows and says so after the model is chosen.
constexpr int kMinimumRowsToStart = 2;

const CDataTable* SelectedTable(CMyDocument& document) {
  const DocumentSelection& selection = document.Selection();
  if (selection.kind != ItemKind::DataTable) return nullptr;
  return document.Tables().Find(selection.index);
}

RecentFitModel RecentRecord(const EquationModel& model) {
  RecentFitModel record;
  record.listName = model.category;
  record.name = model.name;
  record.equation = model.equation;
  return record;
}

CalcError Failed(platform::Prompter& prompter, CalcError code) {
  prompter.Inform(ErrorText(code));
  return code;
}

}  // namespace

bool NonlinearFitEnabled(const CMyDocument& document) {
  return document.Selection().kind == ItemKind::DataTable && document.Selection().index >= 0;
}

std::unique_ptr<NonlinearFit> BeginNonlinearFit(CMyDocument& document,
                                                platform::Prompter& prompter) {
  const CDataTable* table = SelectedTable(document);
  if (table == nullptr) return nullptr;
  if (table->RowCount() < kMinimumRowsToStart) {
    prompter.Inform(kTooFewRowsToFit);
    return nullptr;
  }
  auto fit = std::make_unique<NonlinearFit>();
  fit->SetTable(table);
  // The option the user sets as "Maximum number of iterations" is the fit's limit.
  fit->SetIterationLimit(std::clamp<int>(document.Settings().dataAnalysis.maxIterations,
                                         kMinFitIterationLimit, kMaxFitIterationLimit));
  return fit;
}

CalcError FinishNonlinearFit(CMyDocument& document, platform::Prompter& prompter,
                             const EquationModel& model, NonlinearFit& fit) {
  RememberRecentFit(document.Settings().recentFits, model);
  if (CalcError code = fit.SetEquation(model.equation)) return Failed(prompter, code);
  fit.SetModelName(model.name);
  const CDataTable* table = SelectedTable(document);
  if (table == nullptr) return Failed(prompter, kInvalidData);
  fit.SetTable(table);
  if (CalcError code = fit.Run()) return Failed(prompter, code);
  auto report = std::make_unique<CResultReport>();
  fit.FillReport(*report, document.Engine().ResultFormat());
  document.AddGraph(ItemKind::DataGraph, MakeFittedGraph(document, *table, fit.FittedEquation(), std::move(report)));
  return kNoError;
}

void RememberRecentFit(std::vector<RecentFitModel>& recent, const EquationModel& model) {
  const auto same = std::find_if(recent.begin(), recent.end(), [&](const RecentFitModel& r) {
    return EqualsNoCase(r.name, model.name);
  });
  if (same != recent.end() && same == recent.begin()) {
    if (!EqualsNoCase(same->equation, model.equation)) *same = RecentRecord(model);
    return;
  }
  if (same != recent.end()) {
    recent.erase(same);
  } else if (static_cast<int>(recent.size()) >= kMaxRecentFits) {
    recent.resize(kMaxRecentFits - 1);
  }
  recent.insert(recent.begin(), RecentRecord(model));
}

}  // namespace orvella
