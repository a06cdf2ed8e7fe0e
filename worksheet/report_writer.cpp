#include "worksheet/report_writer.h"

#include <string>

namespace orvella {

void AppendReport(platform::TextEditor& editor, const CResultReport& report,
                  const CNumberFormat& format) {
  editor.SetCaret(editor.Length());
  const bool onEmptyLine = editor.LineText(editor.LineCount() - 1).empty();
  // The last line may hold the user's text: the report must not run on from it.
  editor.Type((onEmptyLine ? "" : "\n") + ReportText(report, format) + "\n");
}

void WriteLineAtCaret(platform::TextEditor& editor, std::string_view text) {
  const int line = editor.LineFromOffset(editor.Caret());
  const bool lineHoldsText = !editor.LineText(line).empty();
  editor.SetCaret(editor.LineStart(line) + static_cast<int>(editor.LineText(line).size()));
  editor.Type((lineHoldsText ? "\n" : "") + std::string(text) + "\n");
}

}  // namespace orvella
