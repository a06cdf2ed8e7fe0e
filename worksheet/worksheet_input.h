// The worksheet's Enter key: the line under the caret is executed and its result typed
// below it, or its error shown in the tip with the faulty characters selected.
#pragma once

#include <string>

#include "platform/text_editor.h"
#include "worksheet/line_execution.h"
#include "worksheet/result_report.h"
#include "worksheet/worksheet_tip.h"

namespace orvella {

// Lines are read up to this many bytes; the rest of a longer line is ignored.
inline constexpr int kMaxWorksheetLineLength = 998;

class WorksheetInput {
 public:
  WorksheetInput(platform::TextEditor& editor, LineExecutor& executor, WorksheetTip& tip)
      : editor_(editor), executor_(executor), tip_(tip) {}

  // Executes the caret line, or the nearest non-empty line above an empty caret line. A
  // result goes on the line below, after " =", and the caret ends on a fresh line; an error
  // shows its message in the tip. Returns what the executed line did (nothing executed: a
  // default outcome).
  LineOutcome PressEnter();

  // Writes a report on its own lines at the end of the document, the way analyses log
  // their results into the worksheet.
  void AppendReport(const CResultReport& report);

  // Every key but Enter goes to the editor unchanged; the parentheses typed on the line
  // are counted so that the function tip knows when a call is closed.
  void NoteTypedCharacter(char c);
  int ParenthesisBalance() const { return parenthesisBalance_; }

 private:
  int CaretLine() const;
  int LineToExecute() const;
  std::string ReadLine(int line) const;
  int LineEnd(int line) const;
  void StartNewLine(int line);
  void InsertAnswer(int statementStart);
  void ShowError(const LineOutcome& outcome, int line, int statementStart);
  void WriteResult(int line, const CResultReport& report);
  const CNumberFormat& Format() { return executor_.Engine().ResultFormat(); }

  platform::TextEditor& editor_;
  LineExecutor& executor_;
  WorksheetTip& tip_;
  int parenthesisBalance_ = 0;
};

}  // namespace orvella
