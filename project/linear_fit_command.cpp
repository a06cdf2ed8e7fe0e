#include "project/linear_fit_command.h"

#include <algorithm>
#include <memory>

#include "analysis/linear_fit.h"
#include "platform/prompter.h"
#include "project/fitted_graph.h"
#include "project/my_document.h"

namespace orvella {
namespace {

// The selected table when it has the X and Y columns a fit needs.
const CDataTable* SelectedXYTable(CMyDocument& document) {
  const DocumentSelection& selection = document.Selection();
  if (selection.kind != ItemKind::DataTable) return nullptr;
  const CDataTable* table = document.Tables().Find(selection.index);
  if (table == nullptr) return nullptr;
  const TableLayout layout = table->Layout();
  return layout == TableLayout::kXY || layout == TableLayout::kXYError ? table : nullptr;
}

}  // namespace

int LinearModelOfCommand(int commandId) {
  for (const LinearFitCommand& command : kLinearFitCommands) {
    if (command.id == commandId) return command.modelCode;
  }
  return -1;
}

bool LinearFitEnabled(const CMyDocument& document) {
  return document.Selection().kind == ItemKind::DataTable && document.Selection().index >= 0;
}

CalcError RunLinearFit(CMyDocument& document, platform::Prompter& prompter, int modelCode) {
  const CDataTable* table = SelectedXYTable(document);
  if (table == nullptr) return kNoError;
  LinearFit fit(*table);
  if (!fit.SetModel(modelCode)) return kInvalidParameter;
  auto report = std::make_unique<CResultReport>();
  if (CalcError code = fit.Run(*report, document.Engine().ResultFormat()); code != kNoError) {
    prompter.Inform(ErrorText(code));
    return code;
  }
  report->resultText =
      "Linear fit - " + std::string(fit.Model().name) + " of " + table->Name();
  document.AddGraph(ItemKind::DataGraph, MakeFittedGraph(document, *table, fit.FittedEquation(), std::move(report)));
  return kNoError;
}

}  // namespace orvella
