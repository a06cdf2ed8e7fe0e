// How the options of "fit --model" set up a nonlinear fit: the model by its equation or
// by the name of a built-in model, starting values, held parameters and the iteration
// limit.
#pragma once

#include <string>
#include <string_view>

#include "analysis/nonlinear_fit.h"
#include "cli/command_line.h"
#include "engine/locale_chars.h"

namespace orvella::cli {

// The report's name of a model the user typed rather than chose.
inline constexpr std::string_view kTypedModelName = "User-defined";

struct FitModelChoice {
  std::string name;
  std::string equation;
};

// A built-in model by its name (letter case aside); any other text is the equation, which
// may start with "y =".
FitModelChoice ChooseFitModel(std::string_view text);

// --start=a=1.5,b=2 (a start value turns Auto off), --constant=b,c and --iterations=N
// (1 to 10000) onto a fit whose equation is set. Parameter names are matched without
// regard to case; lists are separated by the convention's argument separator. The message
// of a wrong option, or empty.
std::string ApplyFitOptions(const CommandLine& line, const LocaleCharacters& convention,
                            NonlinearFit& fit);

}  // namespace orvella::cli
