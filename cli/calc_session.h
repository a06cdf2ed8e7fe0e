// One calculator session: worksheet lines in, result texts out.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "engine/calc_engine.h"
#include "worksheet/line_execution.h"

namespace orvella::cli {

class CalcSession {
 public:
  explicit CalcSession(CCalcEngine& engine) : engine_(engine) {}

  // Executes a line with the worksheet's rules (continuing from ANS after an operator);
  // error positions are within the line as typed.
  LineOutcome Execute(std::string_view line);

  // The single batch output line: the result, empty, or "ERROR <code>: <message>".
  std::string BatchOutput(std::string_view line);

 private:
  CCalcEngine& engine_;
};

// Batch mode: exactly one output line per input line.
void RunBatch(CalcSession& session, std::istream& in, std::ostream& out);

// The interactive form of an outcome: the result line, or a marker under the faulty
// characters of the typed line (after a prompt of promptWidth characters) and the message.
std::string InteractiveOutput(const LineOutcome& outcome, int promptWidth);

}  // namespace orvella::cli
