// The range rules of the "Calculation" settings, applied when a stored value is read.
#pragma once

namespace orvella::calculation_settings {

inline constexpr const char* kSection = "Calculation";

inline constexpr int kDefaultNumberFormat = 0;
inline constexpr int kDefaultDecimalPlaces = 5;
inline constexpr int kDefaultAngleMode = 1;
inline constexpr int kDefaultNumberBase = 10;
inline constexpr int kDefaultSolverSteps = 200;
inline constexpr int kDefaultSolverDecimalPlaces = 5;

// A format type outside 0..5 falls back to the default (General).
int NumberFormatFromSetting(int stored);
// 0..16, anything else becomes 2 (for both DecimalPlaces and SolverDecimalPlaces).
int DecimalPlacesFromSetting(int stored);
// 0 degrees, 1 radians, 2 gradians; anything else falls back to radians.
int AngleModeFromSetting(int stored);
// Clamped to 2..36.
int NumberBaseFromSetting(int stored);
// Clamped to 1..10000.
int SolverStepsFromSetting(int stored);

}  // namespace orvella::calculation_settings
