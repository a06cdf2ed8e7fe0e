// The expression printer: the text it writes, character for character, under both
// decimal conventions, and that the text reads back as the same expression.
#include <string>

#include "engine_fixture.h"

namespace orvella::test {
namespace {

struct PrintCase {
  const char* expression;
  const char* printed;
};

class ExpressionPrinterTest : public EngineTest {
 protected:
  std::string Printed(const std::string& expression, bool printValues = false) {
    engine_.SetExpression(expression);
    EXPECT_EQ(engine_.Parse(), kNoError) << expression;
    return engine_.FormatExpression(printValues);
  }
};

TEST_F(ExpressionPrinterTest, PrintsWithTheParenthesesTheTreeNeeds) {
  const PrintCase cases[] = {
      {"1+2*3", "1+2*3"},
      {"(1+2)*3", "(1+2)*3"},
      {"((1))+(((2)))", "1+2"},
      {"(1-2)-3", "1-2-3"},         // left operands associate without parentheses
      {"1-(2-3)", "1-(2-3)"},
      {"1-(2+3)", "1-(2+3)"},
      {"1+(2-3)", "1+2-3"},         // only '-' wraps a sum on its right
      {"2/(3*4)", "2/(3*4)"},
      {"2/(3/4)", "2/(3/4)"},
      {"(2/3)*4", "2/3*4"},
      {"2*(3/4)", "2*3/4"},         // a product on the right of '*' is not wrapped
      {"2*(3+x)/(x-1)", "2*(3+x)/(x-1)"},
      {"(2^3)^2", "2^3^2"},
      {"2^(3^2)", "2^(3^2)"},
      {"2^(x*y)", "2^(x*y)"},
      {"(x*y)^2", "(x*y)^2"},
      {"(x+1)^(t-1)", "(x+1)^(t-1)"},
      {"-x", "0-x"},                // the empty operand of a sign is the number 0
      {"2*(-x)", "2*(0-x)"},
      {"5%", "5%"},
      {"x!", "(x)!"},
      {"(2+3)!", "(2+3)!"},
      {"PI%", "3.14159265358979%"},
      {"FACT(x)", "FACT(x)"},      // the call, not the postfix operator, with the same id
      {"sin( x )*Cos(y)", "sin(x)*Cos(y)"},
      {"max(1, 2 ,x)", "max(1,2,x)"},
      {"rand*2", "rand*2"},
  };
  for (const PrintCase& c : cases) {
    EXPECT_EQ(Printed(c.expression), c.printed) << c.expression;
  }
}

TEST_F(ExpressionPrinterTest, NumbersPrintTheirValueWithFifteenDigits) {
  const PrintCase cases[] = {
      {"0x1F+1e-3", "31+0.001"},
      {"1/3", "1/3"},
      {"0.1234567890123456789", "0.123456789012346"},
      {"PI", "3.14159265358979"},
      {"2.5e20", "2.5e+20"},
      {"1e-7", "1e-07"},
      {"INF", "inf"},
      {"2*NINF", "2*(-inf)"},   // negative numbers are wrapped
      {"NINF!", "((-inf))!"},
  };
  for (const PrintCase& c : cases) {
    EXPECT_EQ(Printed(c.expression), c.printed) << c.expression;
  }
}

TEST_F(ExpressionPrinterTest, PrintedTextReadsBackToTheSameValue) {
  const char* expressions[] = {
      "2-(3-4)*5/(6/7)^2^0.5", "(1-2)-(3+4)", "2^(1/2)^(3-1)", "max(1,2-(3-4),5)!",
      "-(2-3)*(-(-4))", "12.5%*(3+1)%",
  };
  for (const char* expression : expressions) {
    const Outcome original = Run(expression);
    ASSERT_EQ(original.evalCode, kNoError) << expression;
    const std::string printed = engine_.FormatExpression();
    const Outcome again = Run(printed);
    ASSERT_EQ(again.evalCode, kNoError) << printed;
    EXPECT_DOUBLE_EQ(again.value, original.value) << expression << " -> " << printed;
  }
}

TEST_F(ExpressionPrinterTest, NamesPrintAsWritten) {
  engine_.Modes().lenientNames = true;
  EXPECT_EQ(Printed("Alpha*x+e"), "Alpha*x+e");
  EXPECT_EQ(Printed("e!"), "e!");  // a predefined constant takes '!' bare
  EXPECT_EQ(Printed("CONVERT(1, \"m\", \"ft\")"), "CONVERT(1,\"m\",\"ft\")");
}

TEST_F(ExpressionPrinterTest, PrintValuesModeShowsVariableValues) {
  engine_.AppendVariable("a", 2.5);
  engine_.AppendVariable("b", -3);
  EXPECT_EQ(Printed("a*x+b"), "a*x+b");  // off by default
  EXPECT_EQ(Printed("a*x+b", true), "(2.5)*x+(-3)");
  EXPECT_EQ(Printed("a!-b^2", true), "(2.5)!-(-3)^2");
  ScopedConvention french(kFrenchConvention);
  EXPECT_EQ(Printed("a*x+b", true), "(2,5)*x+(-3)");
}

// Stored formulas are translated by parsing under one convention and printing under the other.
TEST_F(ExpressionPrinterTest, TranslatesBetweenConventions) {
  engine_.AppendVariable("a", 1);
  engine_.SetExpression("1.5*MOD(a,2)+max(0.25, 1e-3, x)");
  ASSERT_EQ(engine_.Parse(), kNoError);
  {
    ScopedConvention french(kFrenchConvention);
    EXPECT_EQ(engine_.FormatExpression(), "1,5*MOD(a;2)+max(0,25;0,001;x)");
    EXPECT_EQ(Printed("2,5e-7*max(1;2,5)"), "2,5e-07*max(1;2,5)");
  }
  EXPECT_EQ(Printed("1.5*MOD(a,2)"), "1.5*MOD(a,2)");
}

TEST_F(ExpressionPrinterTest, LongArgumentListsPrintWithoutDeepRecursion) {
  std::string expression = "sum(1";
  for (int i = 1; i < 100000; ++i) expression += ",1";
  expression += ")";
  const std::string printed = Printed(expression);
  EXPECT_EQ(printed, expression);
  EXPECT_DOUBLE_EQ(Run(printed).value, 100000);
}

TEST_F(ExpressionPrinterTest, UnparsedExpressionPrintsEmpty) {
  engine_.SetExpression("1+");
  EXPECT_NE(engine_.Parse(), kNoError);
  EXPECT_EQ(engine_.FormatExpression(), "");
}

}  // namespace
}  // namespace orvella::test
