// From a function id to the code that evaluates it. Ids without an entry evaluate to 0
// without error.
#pragma once

#include <span>

#include "engine/call_context.h"

namespace orvella {

struct FunctionEntry {
  int id;
  FunctionImpl function;
};

// The implemented ids of one family of functions.
std::span<const FunctionEntry> ElementaryFunctions();

// The implementation of an id, or nullptr.
FunctionImpl FunctionImplementation(int id);

}  // namespace orvella
