#include "cli/calc_session.h"

#include <algorithm>

#include "engine/text_util.h"

namespace orvella::cli {

LineOutcome CalcSession::Execute(std::string_view line) {
  std::string_view trimmed = Trim(line);
  std::string text = ContinueFromAnswer(trimmed);
  int prefix = static_cast<int>(text.size() - trimmed.size());
  LineOutcome outcome = executor_.Execute(text);
  if (outcome.errorPosition >= 0) {
    // Positions within the typed line, not within the continued text.
    outcome.errorPosition += static_cast<int>(trimmed.data() - line.data()) - prefix;
    outcome.errorPosition = std::max(outcome.errorPosition, 0);
  }
  return outcome;
}

std::string CalcSession::BatchOutput(std::string_view line) {
  LineOutcome outcome = Execute(line);
  if (outcome.Failed()) {
    return "ERROR " + std::to_string(outcome.code) + ": " + ErrorText(outcome.code);
  }
  return WrittenText(outcome);
}

std::string CalcSession::WrittenText(const LineOutcome& outcome) const {
  if (outcome.WritesNothing()) return {};
  return ReportText(outcome.report, executor_.Engine().ResultFormat());
}

void RunBatch(CalcSession& session, std::istream& in, std::ostream& out) {
  std::string line;
  while (std::getline(in, line)) out << session.BatchOutput(line) << '\n';
  out.flush();
}

std::string InteractiveOutput(const CalcSession& session, const LineOutcome& outcome,
                              int promptWidth) {
  if (!outcome.Failed()) {
    std::string written = session.WrittenText(outcome);
    return written.empty() ? written : written + "\n";
  }
  std::string text;
  if (outcome.errorPosition >= 0) {
    int length = std::max(outcome.errorLength, 1);
    text += std::string(static_cast<std::size_t>(promptWidth + outcome.errorPosition), ' ') + '^' +
            std::string(static_cast<std::size_t>(length - 1), '~') + "\n";
  }
  text += "ERROR " + std::to_string(outcome.code) + ": " + ErrorText(outcome.code) + "\n";
  return text;
}

}  // namespace orvella::cli
