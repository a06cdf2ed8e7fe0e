// The "Fit to Line" command and the "Linear Fit" submenu: the selected XY table fitted to a
// linear model, the result added as a data graph that carries the fit's report.
#pragma once

#include <array>

#include "engine/calc_error.h"

namespace orvella {

class CMyDocument;
namespace platform {
class Prompter;
}

struct LinearFitCommand {
  int id;
  int modelCode;
};

inline constexpr std::array<LinearFitCommand, 8> kLinearFitCommands{{
    {32864, 0},  // "Fit to Line"
    {32977, 0},  // "Straight Line"
    {32978, 1},  // "Logarithmic"
    {32979, 2},  // "Exponential"
    {32980, 3},  // "Power"
    {32981, 4},  // "Quadratic"
    {32982, 5},  // "Cubic"
    {32983, 6},  // "Quartic"
}};

// The model a command id fits; -1 for an id that is no linear fit command.
int LinearModelOfCommand(int commandId);

// The commands are enabled while a data table is selected.
bool LinearFitEnabled(const CMyDocument& document);

// Fits the selected table (layout X/Y or X/Y/error; any other selection is left alone and
// succeeds) to model `modelCode` and adds the fitted data graph, named "Linear fit - " +
// model + " of " + table. A failure is shown to `prompter` and returned; nothing is added.
CalcError RunLinearFit(CMyDocument& document, platform::Prompter& prompter, int modelCode);

}  // namespace orvella
