// Execution of one worksheet statement against an engine, independent of any editor.
#pragma once

#include <string>
#include <string_view>

#include "engine/calc_engine.h"

namespace orvella {

// The result text and error fields of the last executed line.
struct LineOutcome {
  std::string resultText;  // empty: the worksheet writes nothing for the line
  CalcError code = kNoError;
  int errorPosition = -1;  // within the text given to ExecuteLine; -1 = none
  int errorLength = 0;

  bool Failed() const { return code != kNoError; }
};

// Runs one statement: a comment (starting with ') does nothing; a final '=' is removed; a
// calculation updates ANS and yields FormatResult(). Parse failures carry a position.
LineOutcome ExecuteLine(CCalcEngine& engine, std::string_view text);

// A line that starts with one of ! % * + / ^ continues from the last answer: "ANS" is put in
// front of it. A leading '-' is a negative number and is left alone.
std::string ContinueFromAnswer(std::string_view trimmedLine);

}  // namespace orvella
