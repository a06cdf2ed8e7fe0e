// Line classes of the worksheet: comment, final '=', workspace command, store, definition,
// calculation, and what each writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/bound_variables.h"
#include "engine/locale_chars.h"
#include "engine/symbol_store.h"
#include "worksheet/line_execution.h"
#include "worksheet/workspace_commands.h"

namespace orvella {
namespace {

class RecordingCommands : public WorkspaceCommands {
 public:
  void Execute(std::string_view name, const std::vector<std::string>& arguments,
               LineOutcome& outcome) override {
    this->name = name;
    this->arguments = arguments;
    outcome.report.resultText = "done";
  }
  std::string name;
  std::vector<std::string> arguments;
};

class LineExecutionTest : public ::testing::Test {
 protected:
  LineExecutionTest() : convention_(kUsConvention) {
    ResetBoundVariables();
    InstallUserNames(&store_);
  }
  ~LineExecutionTest() override { InstallUserNames(nullptr); }

  std::string Written(const char* line) {
    LineOutcome outcome = executor_.Execute(line);
    EXPECT_FALSE(outcome.Failed()) << line << ": " << ErrorText(outcome.code);
    return outcome.report.resultText;
  }

  ScopedConvention convention_;
  CCalcEngine engine_;
  CSymbolStore store_;
  LineExecutor executor_{engine_, store_};
};

TEST_F(LineExecutionTest, EachLineClassWritesWhatItShould) {
  struct Case {
    const char* line;
    const char* written;
  };
  const Case cases[] = {
      {"2+3", "5"},
      {"2+3=", "5"},           // a final '=' is dropped
      {"' 1/0", ""},           // a comment does nothing
      {"   ", ""},
      {"a = 2+3", "5"},        // expression variable: its value
      {"a*2", "10"},
      {"f(q) = q^2", ""},      // user function: nothing
      {"f(3)", "9"},
      {"1+1 -> v", ""},        // store: nothing
      {"v*10", "20"},
      {"k = 0xFF/2", "127.5"}, // a definition shows no base
      {"0xFF/2", "0X7F  (Warning: truncated from decimal number 127.5)"},
  };
  for (const Case& c : cases) EXPECT_EQ(Written(c.line), c.written) << c.line;
  EXPECT_EQ(engine_.Variables().size(), 1u);
  EXPECT_EQ(store_.UserFunctions().size(), 1u);
}

TEST_F(LineExecutionTest, AnswerChangesOnlyWithCalculations) {
  Written("2+3");
  Written("a = 100");
  Written("7 -> w");
  EXPECT_EQ(engine_.Answer(), 5);
  Written("a/4");
  EXPECT_EQ(engine_.Answer(), 25);
  EXPECT_TRUE(executor_.Execute("1/0").Failed());
  EXPECT_EQ(engine_.Answer(), 25);
}

TEST_F(LineExecutionTest, FailuresAndPositions) {
  LineOutcome outcome = executor_.Execute("  SIN(");
  EXPECT_EQ(outcome.code, kUnbalancedParenthesis);
  EXPECT_EQ(outcome.errorPosition, 5);
  EXPECT_EQ(outcome.errorLength, 1);
  outcome = executor_.Execute("1/0 -> w");
  EXPECT_EQ(outcome.code, kDivisionByZero);
  EXPECT_EQ(outcome.errorPosition, -1);
  EXPECT_EQ(executor_.Execute("1 -> pi").code, kPredefinedName);
  EXPECT_EQ(executor_.Execute("e = 3").code, kNameExists);
  EXPECT_EQ(executor_.Execute("b = 2*zz").code, kUnrecognizedFunction);
  EXPECT_TRUE(engine_.ExpressionVariables().empty());
  EXPECT_EQ(executor_.Execute("=5").code, kUnexpectedCharacter);  // an empty left side calculates
}

TEST_F(LineExecutionTest, WorkspaceCommandsGoToTheirHook) {
  EXPECT_EQ(executor_.Execute("PLOT(y=x^2, -2, 2)").code, kOperationNotSupported);
  RecordingCommands commands;
  LineExecutor withCommands(engine_, store_, &commands);
  LineOutcome outcome = withCommands.Execute("fzeros(SIN(x), -1, MAX(1, 2))");
  EXPECT_EQ(outcome.report.resultText, "done");
  EXPECT_EQ(commands.name, "FZEROS");
  EXPECT_EQ(commands.arguments, (std::vector<std::string>{"SIN(x)", "-1", "MAX(1, 2)"}));
  EXPECT_EQ(withCommands.Execute("SIN(1)+PLOT(1)").code, kNoError);  // no command form
}

TEST_F(LineExecutionTest, DerivativesAndZerosAsCommands) {
  CalculationCommands commands(engine_);
  LineExecutor withCommands(engine_, store_, &commands);
  struct Case {
    const char* line;
    CalcError code;
    const char* written;
  };
  const Case cases[] = {
      {"SDIFF(x^3)", kNoError, "3*x^2"},
      {"SDIFF(a*y^2, y)", kNoError, "a*2*y"},
      {"SDIFF(x^2, x, y)", kWrongArgumentCount, ""},
      {"FZEROS(x^2-1, -2, 2)", kNoError, "-1, 1"},
      {"FZEROS(x^2+1, -2, 2)", kNoSolutionsFound, ""},
      {"FZEROS(x^2-1)", kWrongArgumentCount, ""},
      {"PLOT(y=x^2, -2, 2)", kOperationNotSupported, ""},  // graphs come with the project
  };
  for (const Case& c : cases) {
    LineOutcome outcome = withCommands.Execute(c.line);
    EXPECT_EQ(outcome.code, c.code) << c.line;
    EXPECT_EQ(outcome.report.resultText, c.written) << c.line;
  }
}

}  // namespace
}  // namespace orvella
