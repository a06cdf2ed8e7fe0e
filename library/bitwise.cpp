// Bit-wise operations on 32-bit integers: operands truncated toward zero, the result
// converted back to a double.
#include <array>
#include <cstdint>

#include "engine/call_context.h"
#include "library/function_dispatch.h"
#include "library/function_ids.h"
#include "library/integer_argument.h"

namespace orvella {
namespace {

using Bits = std::int32_t;

// Operands beyond 32 bits are refused rather than wrapped into a wrong number, as INT does.
template <Bits (*Operation)(Bits, Bits)>
CalcError Binary(CallContext&, const double* a, int, double& r) {
  if (!IsInt32Pattern(a[0]) || !IsInt32Pattern(a[1])) return kNumberOutOfRange;
  r = Operation(IntegerArgument(a[0]), IntegerArgument(a[1]));
  return kNoError;
}

Bits And(Bits x, Bits y) { return x & y; }
Bits Or(Bits x, Bits y) { return x | y; }
Bits Xor(Bits x, Bits y) { return x ^ y; }
// The count is taken mod 32 (its low five bits, so -1 shifts by 31). Shifts of signed
// values are two's complement in C++20 and the right shift keeps the sign.
Bits ShiftLeft(Bits x, Bits n) { return x << (n & 31); }
Bits ShiftRight(Bits x, Bits n) { return x >> (n & 31); }

CalcError Not(CallContext&, const double* a, int, double& r) {
  if (!IsInt32Pattern(a[0])) return kNumberOutOfRange;
  r = ~IntegerArgument(a[0]);
  return kNoError;
}

namespace id = function_id;

constexpr std::array<FunctionEntry, 6> kEntries = {{
    {id::kAnd, &Binary<&And>, nullptr, UnaryForm::kNone, true},
    {id::kOr, &Binary<&Or>, nullptr, UnaryForm::kNone, true},
    {id::kXor, &Binary<&Xor>, nullptr, UnaryForm::kNone, true},
    {id::kNot, &Not, nullptr, UnaryForm::kNone, true},
    {id::kLshift, &Binary<&ShiftLeft>, nullptr, UnaryForm::kNone, true},
    {id::kRshift, &Binary<&ShiftRight>, nullptr, UnaryForm::kNone, true},
}};

}  // namespace

std::span<const FunctionEntry> BitwiseFunctions() { return kEntries; }

}  // namespace orvella
