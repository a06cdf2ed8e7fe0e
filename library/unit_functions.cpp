// CONVERT(Number, FromUnit, ToUnit): the units are the texts of string literals.
#include <array>

#include "engine/call_context.h"
#include "library/function_dispatch.h"
#include "library/function_ids.h"
#include "library/unit_conversion.h"

namespace orvella {
namespace {

CalcError ConvertCall(CallContext& context, const double* args, int, double& result) {
  const auto from = context.ArgumentText(1);
  const auto to = context.ArgumentText(2);
  if (!from || !to) return kBadArgument;  // a unit given as a number or a variable
  double value = args[0];
  if (CalcError code = Convert(value, *from, *to)) return code;
  result = value;
  return kNoError;
}

// Not pure: the user conversions can change between two evaluations of the same call.
constexpr std::array<FunctionEntry, 1> kEntries = {{
    {function_id::kConvert, &ConvertCall, nullptr, UnaryForm::kNone, false},
}};

}  // namespace

std::span<const FunctionEntry> UnitFunctions() { return kEntries; }

}  // namespace orvella
