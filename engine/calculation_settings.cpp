#include "engine/calculation_settings.h"

#include <algorithm>

namespace orvella::calculation_settings {

int NumberFormatFromSetting(int stored) {
  return (stored >= 0 && stored <= 5) ? stored : kDefaultNumberFormat;
}

int DecimalPlacesFromSetting(int stored) { return (stored >= 0 && stored <= 16) ? stored : 2; }

int AngleModeFromSetting(int stored) {
  return (stored >= 0 && stored <= 2) ? stored : kDefaultAngleMode;
}

int NumberBaseFromSetting(int stored) { return std::clamp(stored, 2, 36); }

int SolverStepsFromSetting(int stored) { return std::clamp(stored, 1, 10000); }

}  // namespace orvella::calculation_settings
