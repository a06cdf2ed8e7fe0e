// The calculator's line contract: one output line per input line.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/calc_session.h"
#include "engine/bound_variables.h"
#include "engine/locale_chars.h"
#include "engine/symbol_store.h"

namespace orvella::cli {
namespace {

class CalcSessionTest : public ::testing::Test {
 protected:
  CalcSessionTest() : convention_(kUsConvention) {
    ResetBoundVariables();
    InstallUserNames(&store_);
  }
  ~CalcSessionTest() override { InstallUserNames(nullptr); }

  std::string Batch(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    RunBatch(session_, in, out);
    return out.str();
  }

  ScopedConvention convention_;
  CCalcEngine engine_;
  CSymbolStore store_;
  LineExecutor executor_{engine_, store_};
  CalcSession session_{executor_};
};

TEST_F(CalcSessionTest, WorksheetRulesForCalculations) {
  EXPECT_EQ(Batch("2+3\n"
                  "*2\n"        // continues from ANS
                  "-2\n"        // a negative number, not a continuation
                  "' note\n"    // a comment writes nothing
                  "\n"
                  "2+3=\n"      // a final '=' is dropped
                  "ANS+1\n"
                  "1/0\n"
                  "ANS\n"       // a failed line leaves ANS alone
                  "SIN(\n"),
            "5\n10\n-2\n\n\n5\n6\nERROR 38: Division by zero\n6\n"
            "ERROR 1: Unbalanced parenthesis\n");
}

TEST_F(CalcSessionTest, OneLinePerInputLineWithoutFinalNewline) {
  EXPECT_EQ(Batch("1\n2"), "1\n2\n");
  EXPECT_EQ(Batch("3\r\n"), "3\n");
}

TEST_F(CalcSessionTest, ErrorPositionsAreWithinTheTypedLine) {
  LineOutcome outcome = session_.Execute("  1+(2*)");
  EXPECT_EQ(outcome.code, kDanglingOperator);
  EXPECT_EQ(outcome.errorPosition, 6);
  outcome = session_.Execute("*");  // "ANS*": the fault is the typed operator
  EXPECT_EQ(outcome.code, kDanglingOperator);
  EXPECT_EQ(outcome.errorPosition, 0);
  EXPECT_EQ(InteractiveOutput(session_, session_.Execute("SIN 3+1"), 2),
            "  ^~~~~\nERROR 7: Unrecognized function\n");
}

TEST_F(CalcSessionTest, DecimalCommaConvention) {
  ScopedConvention french(kFrenchConvention);
  EXPECT_EQ(Batch("MOD(7,5;2)\n1,5*3\n"), "1,5\n4,5\n");
}

}  // namespace
}  // namespace orvella::cli
