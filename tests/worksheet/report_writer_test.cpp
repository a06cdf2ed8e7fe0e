// Reports and result lines written into the worksheet from outside it.
#include <gtest/gtest.h>

#include "platform/fake/memory_text_editor.h"
#include "worksheet/report_writer.h"

namespace orvella {
namespace {

const CNumberFormat kGeneral{NumberFormatType::General, 5};

TEST(ReportWriterTest, BareNamesGetAnEqualsSign) {
  CResultReport report;
  report.title = "Nonlinear fit";
  report.AddNumber("a", 2.5);
  report.AddNumber("b1", 12, true);
  report.AddNumber("Chi Square: ", 0.25);
  report.AddText("Model ", "a*x");
  report.AddInteger("Iterations:", 7);
  report.AddText("Hours", "");  // a heading row has no value to join
  EXPECT_EQ(ReportText(report, kGeneral),
            "' Nonlinear fit\na = 2.5\n    b1 = 12\nChi Square: 0.25\nModel a*x\nIterations:7\n"
            "Hours");
}

TEST(ReportWriterTest, ReportsGoAtTheEndOnLinesOfTheirOwn) {
  CResultReport report;
  report.resultText = "3";
  platform::MemoryTextEditor editor("1+2");
  editor.SetCaret(0);
  AppendReport(editor, report, kGeneral);
  EXPECT_EQ(editor.Text(), "1+2\n3\n");
  AppendReport(editor, report, kGeneral);
  EXPECT_EQ(editor.Text(), "1+2\n3\n3\n");
}

TEST(ReportWriterTest, ALineAtTheCaretEndsTheCaretLineFirst) {
  platform::MemoryTextEditor editor("first\nsecond");
  editor.SetCaret(2);
  WriteLineAtCaret(editor, "Determinant of matrix M = 2");
  // The caret is left on a fresh line of its own, before the lines that followed.
  EXPECT_EQ(editor.Text(), "first\nDeterminant of matrix M = 2\n\nsecond");
  // On an empty line the text goes on that line.
  platform::MemoryTextEditor empty;
  WriteLineAtCaret(empty, "x");
  EXPECT_EQ(empty.Text(), "x\n");
  EXPECT_EQ(empty.Caret(), 2);
}

}  // namespace
}  // namespace orvella
