#include "engine/bound_variables.h"

#include "engine/text_util.h"

namespace orvella {

int FindBoundVariable(std::string_view name) {
  for (int i = 0; i < kBoundVariableCount; ++i) {
    if (EqualsNoCase(gBoundVariables[i].name, name)) return i;
  }
  return -1;
}

void SwitchOffBoundVariable(int index) {
  if (index >= 0 && index < kBoundVariableCount) gBoundVariables[index].name.assign(1, '*');
}

void ResetBoundVariables() {
  static constexpr char kNames[kBoundVariableCount] = {'x', 'y', 'z', 't'};
  for (int i = 0; i < kBoundVariableCount; ++i) {
    gBoundVariables[i].name.assign(1, kNames[i]);
    gBoundVariables[i].value = 0.0;
  }
}

}  // namespace orvella
