// The common way an analysis presents its report: the "Results" dialog, then, when the
// user leaves "Log results in workspace" checked, the report at the end of the worksheet.
#pragma once

#include "analysis/results_display.h"
#include "worksheet/result_report.h"

namespace orvella {

class CMyDocument;

// What the desktop program provides around the results display.
class ResultsWindow {
 public:
  virtual ~ResultsWindow() = default;
  // Shows the "Results" dialog over the model until it is closed; true for OK. The
  // dialog changes the model's check box as the user does.
  virtual bool ShowModal(CResultsDisplayModel& model) = 0;
  // Makes the worksheet view visible if it is hidden, so that the logged report is seen.
  virtual void RevealWorksheet() = 0;
};

// The dialog starts from the project's "LogOutput". OK stores the check box in the project
// and the settings store and, when it is checked, appends the report to the worksheet in
// the project's number format. Any other close logs nothing and keeps "LogOutput".
void ShowResults(CMyDocument& document, ResultsWindow& window, const CResultReport& report);

}  // namespace orvella
