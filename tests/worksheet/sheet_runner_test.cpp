// The sheet mode: a whole text run line by line, as the worksheet would hold it.
#include "worksheet/sheet_runner.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/bound_variables.h"
#include "engine/locale_chars.h"
#include "engine/symbol_store.h"
#include "engine/text_util.h"
#include "platform/fake/memory_text_editor.h"
#include "worksheet/worksheet_input.h"

namespace orvella {
namespace {

// A project engine and store of its own, in use while it lives.
struct Session {
  Session() { ResetBoundVariables(); InstallUserNames(&store); }
  ~Session() { InstallUserNames(nullptr); }

  CCalcEngine engine;
  CSymbolStore store;
  LineExecutor executor{engine, store};
};

class SilentTip final : public WorksheetTip {
 public:
  void ShowTip(std::string_view, int) override {}
  void HideTip() override {}
};

// The long way round: the whole text loaded, the caret put at the end of each original
// line where earlier results have pushed it, and Enter pressed there.
std::string PressEnterOnEveryLine(std::string_view text) {
  Session session;
  platform::MemoryTextEditor editor(text);
  SilentTip tip;
  WorksheetInput input(editor, session.executor, tip);
  const int originalLines = editor.LineCount();
  int line = 0;
  for (int original = 0; original < originalLines; ++original, ++line) {
    const std::string lineText = editor.LineText(line);
    if (Trim(lineText).empty()) continue;
    editor.SetCaret(editor.LineStart(line) + static_cast<int>(lineText.size()));
    const int linesBefore = editor.LineCount();
    input.PressEnter();
    line += editor.LineCount() - linesBefore;
  }
  return editor.Text();
}

class SheetRunnerTest : public ::testing::Test {
 protected:
  SheetRunnerTest() : convention_(kUsConvention) {}

  SheetRun Run(std::string_view text) {
    Session session;
    return RunSheet(text, session.executor);
  }

  ScopedConvention convention_;
};

TEST_F(SheetRunnerTest, EveryLineRunsInTurnAndErrorsNameTheirLine) {
  SheetRun run = Run("a = 2+3\n"
                     "a*2\n"
                     "*3\n"
                     "\n"
                     "' done\n"
                     "SIN(\n"
                     "f(q) = q^2\n"
                     "f(3)");
  EXPECT_EQ(run.text,
            "a = 2+3 =\n5\n\n"
            "a*2 =\n10\n\n"
            "ANS*3 =\n30\n\n"
            "\n"
            "' done\n\n"
            "SIN(\n"
            "f(q) = q^2\n\n"
            "f(3) =\n9\n");
  ASSERT_EQ(run.errors.size(), 1u);
  EXPECT_EQ(run.errors[0].line, 6);
  EXPECT_EQ(run.errors[0].code, kUnbalancedParenthesis);
  EXPECT_EQ(run.errors[0].message, "Unbalanced parenthesis");
}

TEST_F(SheetRunnerTest, SameTextAsEnterOnEachLineOfTheLoadedSheet) {
  const char* sheets[] = {
      "2+3\n4*2\n",
      "\n\n  2+3=\n   \n*2\n-2\n",
      "1/0\nSIN(\n  *(\nb = 4\ng(u) = u+b\ng(1)\n1+1 -> w\nw*b\nPLOT(y=x)\n",
      "' only a comment",
      "2+3 =\n5\n\n2+3 =\n",  // a sheet that already holds results
  };
  for (const char* sheet : sheets) {
    const std::string expected = PressEnterOnEveryLine(sheet);
    EXPECT_EQ(Run(sheet).text, expected) << sheet;
  }
}

struct SheetCase {
  const char* text;
  const char* result;
};

TEST_F(SheetRunnerTest, EmptyBlankAndCrlfSheets) {
  const SheetCase cases[] = {
      {"", ""},
      {"   ", "   "},
      {"\r\n\r\n", "\n\n"},
      {"2+3\r\n7\r\n", "2+3 =\n5\n\n7 =\n7\n\n"},
      {"2+3\r7", "2+3 =\n5\n\n7 =\n7\n"},  // a lone CR ends a line as well
  };
  for (const SheetCase& c : cases) {
    SheetRun run = Run(c.text);
    EXPECT_EQ(run.text, c.result) << c.text;
    EXPECT_TRUE(run.errors.empty()) << c.text;
  }
}

TEST_F(SheetRunnerTest, LongLinesRunTheirReadablePartAndKeepTheRest) {
  const std::string longLine = "2" + std::string(5000, ' ') + "+1";
  SheetRun run = Run(longLine + "\n3");
  EXPECT_EQ(run.text, longLine + " =\n2\n\n3 =\n3\n");
  EXPECT_TRUE(run.errors.empty());
}

}  // namespace
}  // namespace orvella
