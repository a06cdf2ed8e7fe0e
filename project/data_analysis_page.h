// The "Data Analysis" options page as a model: which statistics "Analyze" includes, and
// the regression options. "LogOutput" is not on it; the results display owns that.
#pragma once

#include <cstdint>
#include <string_view>

#include "project/document_settings.h"

namespace orvella {

namespace platform {
class SettingsStore;
}

class CDataAnalysisPageModel {
 public:
  explicit CDataAnalysisPageModel(const DataAnalysisOptions& options);

  // `bit` is one of the report bits of analysis/analysis_options.h.
  bool IsIncluded(std::int32_t bit) const { return (outputBits_ & bit) != 0; }
  void SetIncluded(std::int32_t bit, bool included);

  // "Automatically plot entered data".
  bool autoPlot;
  // "Maximum number of iterations:".
  std::int32_t maxIterations;

  // Stores "Options", "AutoPlot", "Prompt" and "MaxIters" in the project and the settings
  // store. Bits that no check box shows keep their value.
  void Apply(DataAnalysisOptions& options, platform::SettingsStore& store) const;

 private:
  std::int32_t outputBits_;
};

}  // namespace orvella
