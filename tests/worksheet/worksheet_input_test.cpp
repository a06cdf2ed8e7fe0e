// The worksheet's Enter key as the user sees it: which line runs, the text written back,
// where the caret ends, and what an error shows and selects.
#include "worksheet/worksheet_input.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/bound_variables.h"
#include "engine/locale_chars.h"
#include "engine/symbol_store.h"
#include "platform/fake/memory_text_editor.h"

namespace orvella {
namespace {

class RecordingTip final : public WorksheetTip {
 public:
  void ShowTip(std::string_view text, int line) override {
    visible = true;
    shownText = text;
    shownLine = line;
  }
  void HideTip() override { visible = false; }

  bool visible = false;
  std::string shownText;
  int shownLine = -1;
};

// A workspace command that answers with a titled report, as an analysis would.
class ReportingCommands final : public WorkspaceCommands {
 public:
  void Execute(std::string_view, const std::vector<std::string>&,
               LineOutcome& outcome) override {
    outcome.report.title = "Zeros";
    outcome.report.AddInteger("Count: ", 2);
    outcome.report.AddNumber("x1 = ", -1.5, true);
  }
};

class WorksheetInputTest : public ::testing::Test {
 protected:
  WorksheetInputTest() : convention_(kUsConvention) {
    ResetBoundVariables();
    InstallUserNames(&store_);
  }
  ~WorksheetInputTest() override { InstallUserNames(nullptr); }

  // Types a line at the caret, as the user does, and presses Enter.
  LineOutcome TypeAndEnter(std::string_view line) {
    editor_.Type(line);
    return input_.PressEnter();
  }
  // Loads a document, puts the caret at the end of one of its lines and presses Enter.
  LineOutcome EnterAtEndOf(std::string_view document, int line) {
    editor_.SetText(document);
    editor_.SetCaret(editor_.LineStart(line) + static_cast<int>(editor_.LineText(line).size()));
    return input_.PressEnter();
  }
  bool CaretOnFreshLastLine() const {
    return editor_.Caret() == editor_.Length() &&
           editor_.LineText(editor_.LineCount() - 1).empty();
  }
  std::string SelectedText() const {
    platform::TextRange range = editor_.Selection();
    return editor_.Text().substr(range.start, range.length);
  }

  ScopedConvention convention_;
  CCalcEngine engine_;
  CSymbolStore store_;
  ReportingCommands commands_;
  LineExecutor executor_{engine_, store_, &commands_};
  platform::MemoryTextEditor editor_;
  RecordingTip tip_;
  WorksheetInput input_{editor_, executor_, tip_};
};

struct WrittenCase {
  const char* typed;
  const char* written;
};

TEST_F(WorksheetInputTest, ResultStandsAloneOnTheLineBelow) {
  const WrittenCase cases[] = {
      {"2+3", "2+3 =\n5\n"},
      {"2+3=", "2+3=\n5\n"},          // the line already ends with '=': no second one
      {"2+3 = ", "2+3 = \n5\n"},      // nor when blanks follow it
      {"  2+3", "  2+3 =\n5\n"},      // leading blanks stay as typed
      {"-2", "-2 =\n-2\n"},           // a leading minus is a negative number, not ANS
      {"' note", "' note\n"},         // a comment writes nothing
      {"FZEROS(x)", "FZEROS(x) =\n' Zeros\nCount: 2\n    x1 = -1.5\n"},  // a whole report
  };
  for (const WrittenCase& c : cases) {
    editor_.SetText("");
    LineOutcome outcome = TypeAndEnter(c.typed);
    EXPECT_FALSE(outcome.Failed()) << c.typed;
    EXPECT_EQ(editor_.Text(), c.written) << c.typed;
    EXPECT_TRUE(CaretOnFreshLastLine()) << c.typed;
    EXPECT_FALSE(tip_.visible) << c.typed;
  }
}

TEST_F(WorksheetInputTest, LeadingOperatorContinuesFromTheAnswer) {
  TypeAndEnter("2+3");
  TypeAndEnter("*2");
  EXPECT_EQ(editor_.Text(), "2+3 =\n5\nANS*2 =\n10\n");
  // With leading blanks "ANS" goes in front of the operator, next to what it continues.
  TypeAndEnter("  ^2");
  EXPECT_EQ(editor_.LineText(4), "  ANS^2 =");
  EXPECT_EQ(editor_.LineText(5), "100");
  EXPECT_TRUE(CaretOnFreshLastLine());
}

TEST_F(WorksheetInputTest, ResultIsWrittenBelowTheLineNotAtTheCaret) {
  editor_.SetText("2+3\n7");
  editor_.SetCaret(1);  // inside "2+3"
  input_.PressEnter();
  EXPECT_EQ(editor_.Text(), "2+3 =\n5\n\n7");
  EXPECT_EQ(editor_.LineFromOffset(editor_.Caret()), 2);
  EXPECT_TRUE(editor_.LineText(2).empty());
}

TEST_F(WorksheetInputTest, EmptyCaretLineRunsTheNearestNonEmptyLineAbove) {
  EnterAtEndOf("4*2\n2+3\n\n", 3);
  EXPECT_EQ(editor_.Text(), "4*2\n2+3 =\n5\n\n\n");
  EXPECT_EQ(editor_.LineFromOffset(editor_.Caret()), 3);
  EXPECT_DOUBLE_EQ(engine_.Answer(), 5);
}

TEST_F(WorksheetInputTest, NothingToExecuteOnlyStartsANewLine) {
  const WrittenCase cases[] = {
      {"", "\n"},                // an empty document
      {"\n\n", "\n\n\n"},        // only empty lines above the caret
      {"2+3\n   ", "2+3\n   \n"},  // a line of blanks is not empty: it runs, as nothing
  };
  for (const WrittenCase& c : cases) {
    editor_.SetText(c.typed);
    editor_.SetCaret(editor_.Length());
    LineOutcome outcome = input_.PressEnter();
    EXPECT_FALSE(outcome.Failed()) << c.typed;
    EXPECT_EQ(editor_.Text(), c.written) << c.typed;
    EXPECT_TRUE(CaretOnFreshLastLine()) << c.typed;
  }
  EXPECT_DOUBLE_EQ(engine_.Answer(), 0);
}

struct FaultCase {
  const char* document;
  int line;  // the caret line
  const char* message;
  const char* selected;
  int selectionStart;
  const char* textAfter;
};

TEST_F(WorksheetInputTest, ParseErrorShowsTheMessageAndSelectsTheFault) {
  const FaultCase cases[] = {
      {"SIN(", 0, "Unbalanced parenthesis", "(", 3, "SIN("},
      // leading blanks and a line above shift the fault within the document
      {"1\n  1+(2*)", 1, "Dangling operator", "*", 8, "1\n  1+(2*)"},
      // the inserted "ANS" shifts it too
      {"1\n  *(", 1, "Unbalanced parenthesis", "(", 8, "1\n  ANS*("},
  };
  for (const FaultCase& c : cases) {
    LineOutcome outcome = EnterAtEndOf(c.document, c.line);
    EXPECT_TRUE(outcome.Failed()) << c.document;
    EXPECT_TRUE(tip_.visible) << c.document;
    EXPECT_EQ(tip_.shownText, CCalcEngine::ErrorText(outcome.code)) << c.document;
    EXPECT_EQ(tip_.shownText, c.message) << c.document;
    EXPECT_EQ(tip_.shownLine, c.line) << c.document;
    EXPECT_EQ(editor_.Selection().start, c.selectionStart) << c.document;
    EXPECT_EQ(SelectedText(), c.selected) << c.document;
    EXPECT_EQ(editor_.Text(), c.textAfter) << c.document;
  }
}

TEST_F(WorksheetInputTest, EvaluationErrorShowsTheMessageUnderTheLineThatRan) {
  EnterAtEndOf("1/0\n\n", 2);
  EXPECT_EQ(tip_.shownText, "Division by zero");
  EXPECT_EQ(tip_.shownLine, 0);
  EXPECT_EQ(editor_.Selection().length, 0);
  EXPECT_EQ(editor_.LineFromOffset(editor_.Caret()), 0);
  EXPECT_EQ(editor_.Text(), "1/0\n\n");
  // The next Enter hides the tip again.
  editor_.SetText("");
  TypeAndEnter("1");
  EXPECT_FALSE(tip_.visible);
}

TEST_F(WorksheetInputTest, ExpressionVariableDefinitionWritesItsValueAndLeavesAns) {
  TypeAndEnter("7");
  TypeAndEnter("a = 2+3");
  EXPECT_EQ(editor_.Text(), "7 =\n7\na = 2+3 =\n5\n");
  EXPECT_DOUBLE_EQ(engine_.Answer(), 7);
  TypeAndEnter("a*2");
  EXPECT_EQ(editor_.LineText(5), "10");
  EXPECT_DOUBLE_EQ(engine_.Answer(), 10);
}

TEST_F(WorksheetInputTest, FunctionDefinitionAndStoreWriteNothingButStartALine) {
  editor_.SetText("f(q) = q^2");
  editor_.SetCaret(3);  // the new line must not split the definition
  input_.PressEnter();
  EXPECT_EQ(editor_.Text(), "f(q) = q^2\n");
  TypeAndEnter("f(3)");
  TypeAndEnter("1+1 -> v");
  TypeAndEnter("v+f(2)");
  EXPECT_EQ(editor_.Text(), "f(q) = q^2\nf(3) =\n9\n1+1 -> v\nv+f(2) =\n6\n");
  EXPECT_TRUE(CaretOnFreshLastLine());
  EXPECT_FALSE(tip_.visible);
}

TEST_F(WorksheetInputTest, LongLinesAreReadUpToTheirFirst998Bytes) {
  // What follows byte 998 would change the result, or break it, if it were read.
  const std::string padding(996, ' ');
  const std::string plain = "1" + padding + " +5";
  const std::string splitCharacter = "1" + padding + "\xC3\xA9";  // é across the cut
  for (const std::string& line : {plain, splitCharacter}) {
    editor_.SetText("");
    LineOutcome outcome = TypeAndEnter(line);
    EXPECT_FALSE(outcome.Failed()) << line.size();
    EXPECT_EQ(editor_.Text(), line + " =\n1\n") << line.size();
  }
}

TEST_F(WorksheetInputTest, FaultInALongLineIsSelectedWhereItStands) {
  const std::string line = std::string(997, ' ') + "(1+2)";  // read as far as the "("
  LineOutcome outcome = EnterAtEndOf(line, 0);
  EXPECT_EQ(outcome.code, kUnbalancedParenthesis);
  EXPECT_EQ(editor_.Selection().start, 997);
  EXPECT_EQ(SelectedText(), "(");
  EXPECT_EQ(editor_.Text(), line);
}

TEST_F(WorksheetInputTest, AppendedReportStandsOnItsOwnLinesAtTheEnd) {
  CResultReport report;
  report.title = "Statistics";
  report.AddInteger("n = ", 3.9);
  report.AddNumber("Mean = ", 2.5, true);
  report.AddText("Method: ", "exact", true);
  const std::string block = "' Statistics\nn = 3\n    Mean = 2.5\n    Method: exact\n";
  const WrittenCase cases[] = {
      {"", ""},
      {"2+3 =\n5\n", "2+3 =\n5\n"},
      {"2+3", "2+3\n"},  // the last line keeps its text to itself
  };
  for (const WrittenCase& c : cases) {
    editor_.SetText(c.typed);
    editor_.SetCaret(0);
    input_.AppendReport(report);
    EXPECT_EQ(editor_.Text(), c.written + block) << c.typed;
    EXPECT_TRUE(CaretOnFreshLastLine()) << c.typed;
    EXPECT_TRUE(editor_.IsModified()) << c.typed;
  }
}

TEST_F(WorksheetInputTest, ParenthesisBalanceCountsTheTypingOfTheLine) {
  for (char c : std::string("MOD((1+2), 3")) input_.NoteTypedCharacter(c);
  EXPECT_EQ(input_.ParenthesisBalance(), 1);
  input_.NoteTypedCharacter(')');
  EXPECT_EQ(input_.ParenthesisBalance(), 0);
  input_.NoteTypedCharacter('(');
  input_.PressEnter();
  EXPECT_EQ(input_.ParenthesisBalance(), 0);
}

}  // namespace
}  // namespace orvella
