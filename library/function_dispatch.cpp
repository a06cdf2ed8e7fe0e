#include "library/function_dispatch.h"

#include <array>

#include "library/function_ids.h"

namespace orvella {
namespace {

using Family = std::span<const FunctionEntry> (*)();

// Each family lists its own ids; a new family adds one line here.
constexpr Family kFamilies[] = {
    &ElementaryFunctions,
    &UnitFunctions,
    &FinancialFunctions,
    &StatisticalFunctions,
    &BaseConversionFunctions,
    &BitwiseFunctions,
    &CalculusFunctions,
    &HigherFunctions,
};

struct DispatchTable {
  std::array<const FunctionEntry*, function_id::kLastEvaluatedId + 1> byId{};
  DispatchTable() {
    for (Family family : kFamilies) {
      for (const FunctionEntry& entry : family()) byId[entry.id] = &entry;
    }
  }
};

}  // namespace

const FunctionEntry* FunctionImplementation(int id) {
  static const DispatchTable table;
  if (id < 0 || id > function_id::kLastEvaluatedId) return nullptr;
  return table.byId[id];
}

}  // namespace orvella
