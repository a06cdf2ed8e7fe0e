#include "project/show_results.h"

#include "platform/settings_keys.h"
#include "project/my_document.h"
#include "worksheet/report_writer.h"

namespace orvella {
namespace {

// The user confirmed the choice: it is made durable at once, not only at exit.
void StoreLogOutput(CMyDocument& document, bool logResults) {
  const std::int32_t value = logResults ? 1 : 0;
  document.Settings().dataAnalysis.logOutput = value;
  platform::WriteIntSetting(document.Store(), platform::Setting("DataAnalysis", "LogOutput"),
                            value);
  document.Store().Save();
}

}  // namespace

void ShowResults(CMyDocument& document, ResultsWindow& window, const CResultReport& report) {
  const CNumberFormat& format = document.Engine().ResultFormat();
  CResultsDisplayModel model(report, format, document.Settings().dataAnalysis.logOutput != 0);
  if (!window.ShowModal(model)) return;
  StoreLogOutput(document, model.logResults);
  platform::TextEditor* worksheet = document.Worksheet();
  if (!model.logResults || worksheet == nullptr) return;
  AppendReport(*worksheet, report, format);
  window.RevealWorksheet();
}

}  // namespace orvella
