// The four bound variables x, y, z and t, shared by every engine: whoever evaluates
// writes them first. A variable whose name is "*" is switched off and matches no name.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orvella {

struct BoundVariable {
  std::string name;
  double value = 0.0;
};

inline constexpr int kBoundVariableCount = 4;
inline constexpr int kBoundX = 0;
inline constexpr int kBoundY = 1;
inline constexpr int kBoundZ = 2;
inline constexpr int kBoundT = 3;

// The one process-wide set, read by every evaluation.
inline std::array<BoundVariable, kBoundVariableCount> gBoundVariables = {
    BoundVariable{"x", 0.0}, BoundVariable{"y", 0.0}, BoundVariable{"z", 0.0},
    BoundVariable{"t", 0.0}};

inline std::array<BoundVariable, kBoundVariableCount>& BoundVariables() { return gBoundVariables; }

// Index of the switched-on bound variable of that name (without regard to case), or -1.
int FindBoundVariable(std::string_view name);

// Switches one variable off for a check of a graph equation.
void SwitchOffBoundVariable(int index);
// Restores the names x, y, z, t and zeroes the values.
void ResetBoundVariables();

}  // namespace orvella
