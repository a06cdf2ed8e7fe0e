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
  explicit CalcSession(LineExecutor& executor) : executor_(executor) {}

  // Executes a line with the worksheet's rules (continuing from ANS after an operator);
  // error positions are within the line as typed.
  LineOutcome Execute(std::string_view line);

  // The batch output of a line: the result (a report: its lines), empty, or
  // "ERROR <code>: <message>".
  std::string BatchOutput(std::string_view line);

  // The text of what a line writes: its report as the worksheet writes it.
  std::string WrittenText(const LineOutcome& outcome) const;

 private:
  LineExecutor& executor_;
};

// Batch mode: one output line per input line (a report writes its lines).
void RunBatch(CalcSession& session, std::istream& in, std::ostream& out);

// The interactive form of an outcome: what the line writes, or a marker under the faulty
// characters of the typed line (after a prompt of promptWidth characters) and the message.
std::string InteractiveOutput(const CalcSession& session, const LineOutcome& outcome,
                              int promptWidth);

}  // namespace orvella::cli
