#include "project/statistics_commands.h"

#include "analysis/analyze_command.h"
#include "platform/prompter.h"
#include "project/my_document.h"

namespace orvella {
namespace {

CalcError AnalyzeSelectedItem(CMyDocument& document, const DocumentSelection& selection) {
  const std::int32_t bits = document.Settings().dataAnalysis.outputBits;
  if (selection.kind == ItemKind::List) {
    return AnalyzeList(document.Lists().At(selection.index), bits, document.Report());
  }
  return AnalyzeTable(document.Tables().At(selection.index), bits, document.Report());
}

}  // namespace

bool AnalyzeSelection(CMyDocument& document, platform::Prompter& prompter,
                      ResultsWindow& window) {
  const DocumentSelection& selection = document.Selection();
  const bool isList =
      selection.kind == ItemKind::List && document.Lists().Contains(selection.index);
  const bool isTable =
      selection.kind == ItemKind::DataTable && document.Tables().Contains(selection.index);
  if (!isList && !isTable) return false;
  if (AnalyzeSelectedItem(document, selection) != kNoError) {
    prompter.Inform(kTooFewDataMessage);
    return true;
  }
  ShowResults(document, window, document.Report());
  return true;
}

bool CanCompareLists(const CMyDocument& document) {
  const DocumentSelection& selection = document.Selection();
  return selection.kind == ItemKind::List && document.Lists().Contains(selection.index);
}

CCompareListsModel MakeCompareListsModel(const CMyDocument& document) {
  std::vector<const CDataList*> lists;
  for (int i = 0; i < document.Lists().Count(); ++i) lists.push_back(&document.Lists().At(i));
  return CCompareListsModel(std::move(lists));
}

std::string ConfirmCompareLists(CMyDocument& document, const CCompareListsModel& model,
                                ResultsWindow& window) {
  std::string message = model.Apply(document.Report());
  if (message.empty()) ShowResults(document, window, document.Report());
  return message;
}

}  // namespace orvella
