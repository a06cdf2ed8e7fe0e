// The document's side of "Analyze" and "Compare Lists...": they take the selected item or
// the project's lists, fill the document's report and hand it to the results display.
#pragma once

#include <string>

#include "analysis/compare_lists_model.h"
#include "project/show_results.h"

namespace orvella {

class CMyDocument;
namespace platform {
class Prompter;
}

// "Analyze" for a selected list or data table: the too-few-data message through `prompter`,
// or the report in the results display. False when the selection is neither (a 2-D graph
// is analysed by the graph analysis).
bool AnalyzeSelection(CMyDocument& document, platform::Prompter& prompter,
                      ResultsWindow& window);

// "Compare Lists..." is enabled while a list is selected.
bool CanCompareLists(const CMyDocument& document);
// The dialog over every list of the project.
CCompareListsModel MakeCompareListsModel(const CMyDocument& document);
// OK of the dialog: empty when the comparison went to the results display (the dialog
// closes); otherwise the message to show while the dialog stays open.
std::string ConfirmCompareLists(CMyDocument& document, const CCompareListsModel& model,
                                ResultsWindow& window);

}  // namespace orvella
