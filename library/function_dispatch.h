// From a function id to the code that evaluates it. Ids without an entry evaluate to 0
// without error.
#pragma once

#include <span>

#include "engine/call_context.h"

namespace orvella {

// How the evaluator may run a one-argument function without the general call: the kernel
// takes and returns radians, and the form says what surrounds it.
enum class UnaryForm : unsigned char {
  kNone,         // only the general call
  kPlain,        // kernel(x)
  kAngleIn,      // kernel(x in radians)
  kAngleOut,     // kernel(x) in the angle mode; a NaN from a number is a domain error
  kNonNegative,  // x < 0 is error 39, else kernel(x)
  kPositive,     // x <= 0 is error 40, else kernel(x)
};

struct FunctionEntry {
  int id;
  FunctionImpl function;
  double (*kernel)(double) = nullptr;
  UnaryForm form = UnaryForm::kNone;
  // The result depends on the arguments and the angle mode alone, with no effect on the
  // engine, so constant arguments may be folded into a constant.
  bool pure = false;
};

// The implemented ids of one family of functions.
std::span<const FunctionEntry> ElementaryFunctions();
std::span<const FunctionEntry> UnitFunctions();
std::span<const FunctionEntry> FinancialFunctions();
std::span<const FunctionEntry> StatisticalFunctions();
std::span<const FunctionEntry> BaseConversionFunctions();
std::span<const FunctionEntry> BitwiseFunctions();
std::span<const FunctionEntry> CalculusFunctions();
std::span<const FunctionEntry> HigherFunctions();

// The entry of an id, or nullptr.
const FunctionEntry* FunctionImplementation(int id);

}  // namespace orvella
