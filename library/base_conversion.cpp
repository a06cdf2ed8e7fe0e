// Base conversion: the value stays the number; the call sets the base the result is
// shown in (the result text of a worksheet line prints the truncated digits in it).
#include <array>
#include <cmath>

#include "engine/calc_engine.h"
#include "engine/call_context.h"
#include "library/function_dispatch.h"
#include "library/function_ids.h"

namespace orvella {
namespace {

// The display base is set, not raised: DEC(0xFF) shows 255 although the literal asked
// for base 16, and the last conversion evaluated decides.
CalcError ShowInBase(CallContext& c, double number, int base, double& r) {
  c.Engine().SetDisplayBase(base);
  r = number;
  return kNoError;
}

CalcError ConvertBase(CallContext& c, const double* a, int, double& r) {
  const double base = std::trunc(a[1]);
  if (!(base >= 2.0 && base <= 36.0)) return kBadArgument;
  return ShowInBase(c, a[0], static_cast<int>(base), r);
}

template <int Base>
CalcError FixedBase(CallContext& c, const double* a, int, double& r) {
  return ShowInBase(c, a[0], Base, r);
}

namespace id = function_id;

// Not pure: each call acts on the engine, so constant arguments must not fold it away.
constexpr std::array<FunctionEntry, 5> kEntries = {{
    {id::kConvertBase, &ConvertBase},
    {id::kBin, &FixedBase<2>},
    {id::kOct, &FixedBase<8>},
    {id::kDec, &FixedBase<10>},
    {id::kHex, &FixedBase<16>},
}};

}  // namespace

std::span<const FunctionEntry> BaseConversionFunctions() { return kEntries; }

}  // namespace orvella
