#include "project/data_analysis_page.h"

#include "platform/settings_keys.h"

namespace orvella {

CDataAnalysisPageModel::CDataAnalysisPageModel(const DataAnalysisOptions& options)
    : autoPlot(options.autoPlot != 0),
      maxIterations(options.maxIterations),
      outputBits_(options.outputBits) {}

void CDataAnalysisPageModel::SetIncluded(std::int32_t bit, bool included) {
  outputBits_ = included ? (outputBits_ | bit) : (outputBits_ & ~bit);
}

void CDataAnalysisPageModel::Apply(DataAnalysisOptions& options,
                                   platform::SettingsStore& store) const {
  using platform::Setting;
  options.outputBits = outputBits_;
  options.autoPlot = autoPlot ? 1 : 0;
  options.maxIterations = maxIterations;
  platform::WriteIntSetting(store, Setting("DataAnalysis", "Options"), options.outputBits);
  platform::WriteIntSetting(store, Setting("DataAnalysis", "AutoPlot"), options.autoPlot);
  platform::WriteIntSetting(store, Setting("DataAnalysis", "Prompt"), options.prompt);
  platform::WriteIntSetting(store, Setting("DataAnalysis", "MaxIters"), options.maxIterations);
  store.Save();
}

}  // namespace orvella
