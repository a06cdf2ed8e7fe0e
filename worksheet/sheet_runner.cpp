#include "worksheet/sheet_runner.h"

#include "engine/text_util.h"
#include "platform/fake/memory_text_editor.h"
#include "worksheet/worksheet_input.h"

namespace orvella {
namespace {

class SilentTip final : public WorksheetTip {
 public:
  void ShowTip(std::string_view, int) override {}
  void HideTip() override {}
};

}  // namespace

// Enter never reads or changes the lines below the caret line, so each line of the sheet
// joins the worksheet just before Enter is pressed on it. The worksheet then holds what it
// would with the whole text loaded, every edit happens at its end, and the line being run
// is always the last one, wherever earlier results have pushed it.
SheetRun RunSheet(std::string_view text, LineExecutor& executor) {
  const platform::MemoryTextEditor sheet(text);  // also turns CRLF into '\n'
  platform::MemoryTextEditor worksheet;
  SilentTip tip;
  WorksheetInput input(worksheet, executor, tip);
  SheetRun run;
  for (int line = 0; line < sheet.LineCount(); ++line) {
    const std::string lineText = sheet.LineText(line);
    worksheet.SetCaret(worksheet.Length());
    worksheet.Type(line == 0 ? lineText : "\n" + lineText);
    if (Trim(lineText).empty()) continue;
    LineOutcome outcome = input.PressEnter();
    if (outcome.Failed()) {
      run.errors.push_back({line + 1, outcome.code, CCalcEngine::ErrorText(outcome.code)});
    }
  }
  run.text = worksheet.Text();
  return run;
}

}  // namespace orvella
