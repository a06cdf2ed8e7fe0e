#include "engine/bound_variables.h"

#include "engine/text_util.h"

namespace orvella {
namespace {

std::array<BoundVariable, kBoundVariableCount> gBound = {
    BoundVariable{"x", 0.0}, BoundVariable{"y", 0.0}, BoundVariable{"z", 0.0},
    BoundVariable{"t", 0.0}};

}  // namespace

std::array<BoundVariable, kBoundVariableCount>& BoundVariables() { return gBound; }

int FindBoundVariable(std::string_view name) {
  for (int i = 0; i < kBoundVariableCount; ++i) {
    if (EqualsNoCase(gBound[i].name, name)) return i;
  }
  return -1;
}

void SwitchOffBoundVariable(int index) {
  if (index >= 0 && index < kBoundVariableCount) gBound[index].name = "*";
}

void ResetBoundVariables() {
  static constexpr const char* kNames[kBoundVariableCount] = {"x", "y", "z", "t"};
  for (int i = 0; i < kBoundVariableCount; ++i) gBound[i] = BoundVariable{kNames[i], 0.0};
}

}  // namespace orvella
