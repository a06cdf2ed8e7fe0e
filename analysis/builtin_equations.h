// The regression equations every installation offers, shown as "Pre-defined": three
// categories, rebuilt from this fixed table whenever the program starts.
#pragma once

#include <span>
#include <string_view>

#include "analysis/equation_library.h"

namespace orvella {

struct BuiltInEquation {
  std::string_view category;
  std::string_view name;
  std::string_view equation;
  std::string_view description;
  std::string_view preview;  // "expression|low|high", or empty
};

inline constexpr int kBuiltInEquationCount = 34;

// In library order: the categories in the order their first models appear.
std::span<const BuiltInEquation> BuiltInEquations();

// Adds every built-in equation, in table order, through AddModel.
void FillBuiltInLibrary(EquationLibrary& library);

}  // namespace orvella
