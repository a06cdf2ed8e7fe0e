#include "worksheet/worksheet_input.h"

#include <algorithm>
#include <string>

#include "engine/text_util.h"
#include "worksheet/report_writer.h"

namespace orvella {
namespace {

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The cut never splits a UTF-8 character, so the executor is not handed half of one.
std::string CutToLineLength(std::string line) {
  std::size_t cut = kMaxWorksheetLineLength;
  if (line.size() <= cut) return line;
  while (cut > 0 && IsUtf8Continuation(line[cut])) --cut;
  line.resize(cut);
  return line;
}

bool EndsWithEqualSign(std::string_view line) {
  std::string_view trimmed = Trim(line);
  return !trimmed.empty() && trimmed.back() == '=';
}

}  // namespace

LineOutcome WorksheetInput::PressEnter() {
  tip_.HideTip();
  parenthesisBalance_ = 0;
  const int line = LineToExecute();
  const std::string text = ReadLine(line);
  const std::string_view trimmed = Trim(text);
  if (trimmed.empty()) {
    StartNewLine(line);
    return {};
  }
  const int statementStart =
      editor_.LineStart(line) + static_cast<int>(trimmed.data() - text.data());
  const std::string statement = ContinueFromAnswer(trimmed);
  if (statement.size() != trimmed.size()) InsertAnswer(statementStart);

  LineOutcome outcome = executor_.Execute(statement);
  if (outcome.Failed()) {
    ShowError(outcome, line, statementStart);
  } else if (outcome.WritesNothing()) {
    StartNewLine(line);
  } else {
    WriteResult(line, outcome.report);
  }
  return outcome;
}

void WorksheetInput::AppendReport(const CResultReport& report) {
  orvella::AppendReport(editor_, report, Format());
}

void WorksheetInput::NoteTypedCharacter(char c) {
  if (c == '(') ++parenthesisBalance_;
  if (c == ')') --parenthesisBalance_;
}

int WorksheetInput::CaretLine() const { return editor_.LineFromOffset(editor_.Caret()); }

// Enter on an empty line runs the statement above it again, so a result can be refreshed
// without putting the caret back on its line.
int WorksheetInput::LineToExecute() const {
  const int caretLine = CaretLine();
  for (int line = caretLine; line >= 0; --line) {
    if (!editor_.LineText(line).empty()) return line;
  }
  return caretLine;
}

std::string WorksheetInput::ReadLine(int line) const {
  return CutToLineLength(editor_.LineText(line));
}

int WorksheetInput::LineEnd(int line) const {
  return editor_.LineStart(line) + static_cast<int>(editor_.LineText(line).size());
}

void WorksheetInput::StartNewLine(int line) {
  editor_.SetCaret(LineEnd(line));
  editor_.Type("\n");
}

// "ANS" goes right in front of the statement rather than before any leading blanks, so that
// the statement stays one run of the line and error positions map straight onto it.
void WorksheetInput::InsertAnswer(int statementStart) {
  editor_.SetCaret(statementStart);
  editor_.Type("ANS");
}

void WorksheetInput::ShowError(const LineOutcome& outcome, int line, int statementStart) {
  if (outcome.errorPosition >= 0) {
    const int lineEnd = LineEnd(line);
    const int start = std::min(statementStart + outcome.errorPosition, lineEnd);
    editor_.SetSelection(start, std::clamp(outcome.errorLength, 0, lineEnd - start));
  } else if (CaretLine() != line) {
    // The tip belongs under the caret line: bring the caret to the line that failed.
    editor_.SetCaret(LineEnd(line));
  }
  tip_.ShowTip(CCalcEngine::ErrorText(outcome.code), line);
}

void WorksheetInput::WriteResult(int line, const CResultReport& report) {
  const bool hasEqualSign = EndsWithEqualSign(editor_.LineText(line));
  editor_.SetCaret(LineEnd(line));
  if (!hasEqualSign) editor_.Type(" =");
  editor_.Type("\n" + ReportText(report, Format()) + "\n");
}

}  // namespace orvella
