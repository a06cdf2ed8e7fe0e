// The parse procedure as users meet it: values of well-formed text, and the code,
// position and length of every kind of parse failure.
#include <cmath>
#include <limits>

#include "engine_fixture.h"

namespace orvella::test {
namespace {

struct ValueCase {
  const char* expression;
  double expected;
};

class ParserValueTest : public EngineTest {};

TEST_F(ParserValueTest, PrecedenceAssociativityAndOperands) {
  const ValueCase cases[] = {
      {"2+3", 5},
      {"5-3-1", 1},     // left-associative: the rightmost operator splits first
      {"8/4/2", 1},
      {"2^3^2", 64},    // so is ^
      {"-2^2", -4},     // unary minus is an empty left operand: binds loosest
      {"-3!", -6},
      {"2*(-3)", -6},
      {"()", 0},        // an empty operand reads as 0
      {"-5", -5},
      {"+5", 5},
      {" 2 + 3 ", 5},
      {"10+50%", 10.5}, // percent applies to 50 only
      {"200*5%", 10},
      {"3!", 6},
      {"3!!", 720},
      {"5!^2", 14400},
      {"2^3!", 64},
      {"(5)!", 120},
      {"5!%", 1.2},
      {"((2+3))*2", 10},
      {"2*3+4*5", 26},
      {"2-3*4^2", -46},
  };
  for (const ValueCase& c : cases) {
    Outcome o = Run(c.expression);
    ASSERT_EQ(o.parseCode, kNoError) << c.expression;
    ASSERT_EQ(o.evalCode, kNoError) << c.expression;
    EXPECT_DOUBLE_EQ(o.value, c.expected) << c.expression;
  }
}

TEST_F(ParserValueTest, NumberLiterals) {
  const ValueCase cases[] = {
      {"1e-3+1", 1.001},   // the exponent sign is not a split point
      {"2D+4", 20000},     // d and D introduce exponents too
      {"1.5E3", 1500},
      {"3d-2*100", 3},
      {".5", 0.5},
      {"5.", 5},
      {"0.5", 0.5},        // a leading 0 before the decimal point is no base prefix
      {"0x1F", 31},
      {"0X1f", 31},
      {"0o17", 15},
      {"0b101", 5},
      {"0d10", 10},
      {"0x7FFFFFFF", 2147483647},
      {"1e-400", 0},       // underflow gives zero, as every underflow does
  };
  for (const ValueCase& c : cases) {
    Outcome o = Run(c.expression);
    ASSERT_EQ(o.parseCode, kNoError) << c.expression;
    EXPECT_DOUBLE_EQ(o.value, c.expected) << c.expression;
  }
}

TEST_F(ParserValueTest, NamedNumbersAndNamesIgnoreCase) {
  EXPECT_EQ(Run("pi").value, 3.141592653589793);
  EXPECT_EQ(Run("Pi").value, 3.141592653589793);
  EXPECT_EQ(Run("PI").value, 3.141592653589793);
  EXPECT_EQ(Run("INF").value, std::numeric_limits<double>::infinity());
  EXPECT_EQ(Run("pinf").value, std::numeric_limits<double>::infinity());
  EXPECT_EQ(Run("NINF").value, -std::numeric_limits<double>::infinity());
  EXPECT_EQ(Run("e-1").value, 2.718281828459045 - 1);  // the constant e, then minus
  EXPECT_EQ(Run("sin(1)").value, Run("SIN(1)").value);
  EXPECT_EQ(Run("SIN (3)").value, std::sin(3.0));      // blanks before the parenthesis
}

TEST_F(ParserValueTest, AnsIsBoundAtParseTime) {
  engine_.SetAnswer(7);
  engine_.SetExpression("ANS*2");
  ASSERT_EQ(engine_.Parse(), kNoError);
  engine_.SetAnswer(100);
  EXPECT_EQ(engine_.Evaluate(), 14);
}

TEST_F(ParserValueTest, RandomNumberTakesNoArgumentsAndStaysBelowOne) {
  for (const char* text : {"RAND", "rnd", "RAND()", "RND( )"}) {
    Outcome o = Run(text);
    ASSERT_EQ(o.parseCode, kNoError) << text;
    EXPECT_GE(o.value, 0.0) << text;
    EXPECT_LT(o.value, 1.0) << text;
  }
  engine_.SetExpression("RAND");
  ASSERT_EQ(engine_.Parse(), kNoError);
  for (int i = 0; i < 2000; ++i) {
    double v = engine_.Evaluate();
    ASSERT_GE(v, 0.0);
    ASSERT_LT(v, 1.0);
  }
}

struct ErrorCase {
  const char* expression;
  CalcError code;
  int position;
  int length;
};

class ParserErrorTest : public EngineTest {
 protected:
  void Check(const ErrorCase& c) {
    Outcome o = Run(c.expression);
    EXPECT_EQ(o.parseCode, c.code) << c.expression;
    EXPECT_EQ(o.position, c.position) << c.expression;
    EXPECT_EQ(o.length, c.length) << c.expression;
  }
};

TEST_F(ParserErrorTest, CodesPositionsAndLengths) {
  const ErrorCase cases[] = {
      {"3*", kDanglingOperator, 1, 1},
      {"*3", kDanglingOperator, 0, 1},
      {"2*-3", kDanglingOperator, 1, 1},   // a sign right after an operator
      {"2^-1", kDanglingOperator, 1, 1},
      {"5--3", kDanglingOperator, 1, 1},
      {"2**3", kDanglingOperator, 1, 1},
      {"1+(2*)", kDanglingOperator, 4, 1}, // translated out of the parentheses
      {"SIN(1+)", kDanglingOperator, 5, 1},// and out of the argument list
      {"  3*", kDanglingOperator, 3, 1},   // within the text as given, blanks included
      {"SIN(3", kUnbalancedParenthesis, 3, 1},
      {"1 + (2", kUnbalancedParenthesis, 4, 1},
      {"1+2)", kUnbalancedParenthesis, 3, 1},
      {"(", kUnbalancedParenthesis, 0, 1},
      {"\"m", kUnbalancedParenthesis, 0, 1},  // an unterminated literal fails the search
      {"2+$", kUnexpectedCharacter, 2, 1},
      {"(2)3", kUnexpectedCharacter, 3, 1},   // text after a group is not ignored
      {"pi(2)", kUnexpectedCharacter, 2, 1},  // nor after a name
      {"RAND(5)", kUnexpectedCharacter, 4, 1},
      {"SIN 3", kUnrecognizedFunction, 0, 5}, // the name read is "SIN 3"
      {"x y", kUnrecognizedFunction, 0, 3},
      {"RAND 5", kUnrecognizedFunction, 0, 6},
      {"foo", kUnrecognizedFunction, 0, 3},
      {"1+foo", kUnrecognizedFunction, 2, 3},
      {"SIN(3)x", kMissingParenthesis, 6, 1},
      {"SIN", kMissingParenthesis, 3, 1},
      {"SIN+1", kMissingParenthesis, 3, 1},
      {"MOD(7)", kWrongArgumentCount, 4, 1},
      {"MOD(1,2,3)", kWrongArgumentCount, 4, 5},
      {"SUM()", kWrongArgumentCount, 4, 0},
      {"PSIN(2)", kWrongArgumentCount, 5, 1},
      {"SIN()", kWrongArgumentCount, 4, 0},
      {"%", kWrongArgumentCount, 0, 1},
      {"2e", kBadNumber, 0, 2},
      {"1e999", kBadNumber, 0, 5},
      {"0b102", kBadNumber, 0, 5},
      {"0x", kBadNumber, 0, 2},
      {"0x80000000", kBadNumber, 0, 10}, // more than 31 bits
      {"#1A", kBadNumber, 0, 3},         // input base 10
      {"#", kBadNumber, 0, 1},
      {"1 2", kBadNumber, 0, 3},
      {"1,5", kBadNumber, 0, 3},         // ',' separates arguments only inside a call
      {"1+2x", kBadNumber, 2, 2},
      {"\"m\"x", kBadString, 0, 4},
      {"MOD(1,2+)", kDanglingOperator, 7, 1},  // positions through the argument chain
      {"SUM(1, 2, 3+)", kDanglingOperator, 11, 1},
      {"SUM(1,(2,3))", kBadNumber, 7, 3},      // a group is one operand, not a list
  };
  for (const ErrorCase& c : cases) Check(c);
}

TEST_F(ParserErrorTest, StringLiteralParsesAsStringNode) {
  ASSERT_EQ(Run("\"m\"").parseCode, kNoError);
  EXPECT_EQ(engine_.Root().kind, NodeKind::String);
  EXPECT_EQ(engine_.Root().token, "m");
  EXPECT_EQ(Run("\"a\"+\"b\"").parseCode, kNoError);  // literals are skipped by the search
}

TEST_F(EngineTest, ArgumentListIsARightLeaningChain) {
  engine_.SetExpression("SUM(1, 2, 3)");
  ASSERT_EQ(engine_.Parse(), kNoError);
  const CExprNode& call = engine_.Root();
  EXPECT_EQ(call.kind, NodeKind::Operation);
  EXPECT_EQ(call.op, 116);
  const CExprNode& list = *call.left;
  ASSERT_EQ(list.kind, NodeKind::ArgumentList);
  EXPECT_EQ(list.left->value, 1);
  ASSERT_EQ(list.right->kind, NodeKind::ArgumentList);
  EXPECT_EQ(list.right->left->value, 2);
  EXPECT_EQ(list.right->right->value, 3);
}

TEST_F(EngineTest, PostfixAndOperatorNodesCarryTheirCodes) {
  engine_.SetExpression("5!");
  ASSERT_EQ(engine_.Parse(), kNoError);
  EXPECT_EQ(engine_.Root().op, kOpFactorial);
  EXPECT_EQ(engine_.Root().token, "!");
  engine_.SetExpression("2^x");
  ASSERT_EQ(engine_.Parse(), kNoError);
  EXPECT_EQ(engine_.Root().op, kOpPower);
  EXPECT_EQ(engine_.Root().right->kind, NodeKind::BoundVariable);
}

TEST_F(EngineTest, InputBaseReadsLiteralsAndHashLiterals) {
  engine_.SetInputBase(16);
  EXPECT_EQ(Run("#1A").value, 26);
  EXPECT_EQ(Run("#FF").value, 255);
  EXPECT_EQ(Run("1A").value, 26);
  EXPECT_EQ(Run("FF").parseCode, kUnrecognizedFunction);  // a name without '#'
  EXPECT_EQ(Run("0b11").value, 3);  // a prefix wins over the input base
  engine_.SetInputBase(2);
  EXPECT_EQ(Run("101").value, 5);
  EXPECT_EQ(Run("12").parseCode, kBadNumber);
  EXPECT_EQ(Run("1.5").parseCode, kBadNumber);
}

TEST_F(EngineTest, CurrencyFormatStripsDigitGroupsFromLiterals) {
  engine_.ResultFormat().SetType(NumberFormatType::Currency);
  EXPECT_EQ(Run("1,000+1").value, 1001);
  EXPECT_EQ(Run("1 234 567.5").value, 1234567.5);
  engine_.ResultFormat().SetType(NumberFormatType::General);
  EXPECT_EQ(Run("1,000").parseCode, kBadNumber);
}

TEST(ParserConventionTest, DecimalCommaUsesSemicolonBetweenArguments) {
  ScopedConvention french(kFrenchConvention);
  CCalcEngine engine;
  EXPECT_DOUBLE_EQ(RunExpression(engine, "MOD(7,5;2)").value, 1.5);
  EXPECT_DOUBLE_EQ(RunExpression(engine, "1,5*2").value, 3);
  EXPECT_DOUBLE_EQ(RunExpression(engine, "2,5e-1").value, 0.25);
  EXPECT_EQ(RunExpression(engine, "1.5").parseCode, kBadNumber);
  EXPECT_EQ(RunExpression(engine, "MOD(7,5)").parseCode, kWrongArgumentCount);
  engine.ResultFormat().SetType(NumberFormatType::Currency);
  EXPECT_DOUBLE_EQ(RunExpression(engine, "1.234,5").value, 1234.5);  // '.' groups digits
}

TEST(ParserConventionTest, ForcingRoutinesReturnWhatTheyReplaced) {
  LocaleCharacters before = ForceFrenchConvention();
  EXPECT_EQ(ExpressionChars().decimalPoint, ',');
  EXPECT_EQ(ExpressionChars().argumentSeparator, ';');
  LocaleCharacters french = ForceUsConvention();
  EXPECT_EQ(french.decimalPoint, ',');
  EXPECT_EQ(ExpressionChars().argumentSeparator, ',');
  RestoreConvention(before);
  EXPECT_EQ(ExpressionChars().decimalPoint, before.decimalPoint);
}

TEST_F(EngineTest, DisplayBaseIsRaisedByPrefixedLiteralsOnly) {
  Run("0x10+0b1");
  EXPECT_EQ(engine_.DisplayBase(), 16);
  Run("0b1+0o7");
  EXPECT_EQ(engine_.DisplayBase(), 8);
  Run("12+1");
  EXPECT_EQ(engine_.DisplayBase(), -1);  // reset by every parse
}

}  // namespace
}  // namespace orvella::test
