// A whole worksheet text run as if Enter had been pressed on each of its lines in turn:
// the command line's sheet mode.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_error.h"
#include "worksheet/line_execution.h"

namespace orvella {

struct SheetError {
  int line = 0;  // 1-based line of the text given
  CalcError code = kNoError;
  std::string message;
};

struct SheetRun {
  std::string text;  // what the worksheet holds afterwards, with '\n' line ends
  std::vector<SheetError> errors;
};

// Lines that are empty or blank are kept but not executed: Enter there would run the line
// above them a second time.
SheetRun RunSheet(std::string_view text, LineExecutor& executor);

}  // namespace orvella
