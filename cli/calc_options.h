// Command-line options of orvella-calc.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/calc_engine.h"

namespace orvella::cli {

enum class Convention { User, DecimalPoint, DecimalComma };

struct CalcOptions {
  bool batch = false;
  bool showHelp = false;
  bool showVersion = false;
  AngleMode angleMode = AngleMode::Radians;
  NumberFormatType format = NumberFormatType::General;
  int decimalPlaces = 5;
  int inputBase = 10;
  Convention convention = Convention::User;
  std::string sheetFile;  // --sheet: run this worksheet text file and print the result
  std::string projectFile;  // --project: calculate with this project's variables
  bool showInfo = false;    // --info: summarise the project and stop
  bool save = false;        // --save: write the project back when the lines are done
  std::string saveFile;     // --save=FILE: write it there instead
};

struct ParsedOptions {
  std::optional<CalcOptions> options;  // empty when the arguments are wrong
  std::string error;                   // what was wrong, for the usage message
};

ParsedOptions ParseCalcOptions(const std::vector<std::string>& arguments);

std::string UsageText();

// Applies the calculation settings to an engine.
void ApplyOptions(const CalcOptions& options, CCalcEngine& engine);

}  // namespace orvella::cli
