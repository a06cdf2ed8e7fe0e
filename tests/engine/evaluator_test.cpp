// Evaluation: operator rules, the result check of every operation, angle modes, variables
// and the reuse of one parsed tree.
#include <cmath>
#include <limits>

#include "engine_fixture.h"

namespace orvella::test {
namespace {

struct FailureCase {
  const char* expression;
  CalcError code;
};

TEST_F(EngineTest, EvaluationFailuresCarryTheirCodes) {
  const FailureCase cases[] = {
      {"1/0", kDivisionByZero},
      {"0/0", kDivisionByZero},
      {"2/(1-1)", kDivisionByZero},
      {"SQRT(-1)", kNegativeSquareRoot},
      {"LN(0)", kNonPositiveLogarithm},   // the function's own code comes first
      {"LOG(-1)", kNonPositiveLogarithm},
      {"(-8)^(1/3)", kInvalidArgument},   // pow's domain error
      {"INF-INF", kNumberOutOfRange},     // not a number
      {"INF+1", kNumberOutOfRange},       // infinite results fail
      {"10^400", kNumberOutOfRange},
      {"0^(-1)", kNumberOutOfRange},
      {"EXP(1000)", kNumberOutOfRange},
      {"1+1/0*2", kDivisionByZero},       // the first failure ends the evaluation
      {"PLOT(1/0)", kDivisionByZero},  // arguments are evaluated even without code
  };
  for (const FailureCase& c : cases) {
    Outcome o = Run(c.expression);
    ASSERT_EQ(o.parseCode, kNoError) << c.expression;
    EXPECT_EQ(o.evalCode, c.code) << c.expression;
    EXPECT_EQ(engine_.ErrorPosition(), -1) << c.expression << ": no position at evaluation";
  }
}

TEST_F(EngineTest, OverflowValueIsSignedE300) {
  EXPECT_EQ(Run("1E308*10").value, 1e300);
  EXPECT_EQ(Run("NINF*2").value, -1e300);
  EXPECT_EQ(Run("0-1E308*10").value, 1e300);  // the value of the failing operation
}

TEST_F(EngineTest, UnderflowIsACorrectResult) {
  Outcome o = Run("EXP(-1000)");
  EXPECT_EQ(o.evalCode, kNoError);
  EXPECT_EQ(o.value, 0.0);
  o = Run("1E-300*1E-15");  // subnormal
  EXPECT_EQ(o.evalCode, kNoError);
  EXPECT_GT(o.value, 0.0);
  EXPECT_EQ(Run("SECH(1000)").evalCode, kNoError);  // overflow inside, underflow out
}

TEST_F(EngineTest, BareInfinityIsNotAnError) {
  Outcome o = Run("INF");
  EXPECT_EQ(o.evalCode, kNoError);
  EXPECT_TRUE(std::isinf(o.value));
  EXPECT_EQ(o.text, "inf");
}

TEST_F(EngineTest, FunctionsWithoutEvaluationGiveZero) {
  for (const char* text : {"PLOT(1)", "PLOT3D(1,2,3)"}) {
    Outcome o = Run(text);
    ASSERT_EQ(o.parseCode, kNoError) << text;
    EXPECT_EQ(o.evalCode, kNoError) << text;
    EXPECT_EQ(o.value, 0.0) << text;
  }
}

TEST_F(EngineTest, AngleModes) {
  engine_.SetAngleMode(AngleMode::Degrees);
  EXPECT_EQ(Run("SIN(180)").value, 0.0);   // exactly
  EXPECT_EQ(Run("COS(90)").value, 0.0);
  EXPECT_EQ(Run("TAN(180)").value, 0.0);
  EXPECT_EQ(Run("TAN(90)").evalCode, kNumberOutOfRange);
  EXPECT_EQ(Run("ASIN(1)").value, 90.0);
  EXPECT_DOUBLE_EQ(Run("SIN(30)").value, 0.5);
  EXPECT_DOUBLE_EQ(Run("ATAN(1)").value, 45.0);
  engine_.SetAngleMode(AngleMode::Gradians);
  EXPECT_EQ(Run("ASIN(1)").value, 100.0);
  engine_.SetAngleMode(AngleMode::Radians);
  EXPECT_EQ(Run("SIN(PI)").value, 0.0);
  EXPECT_EQ(Run("COS(PI/2)").value, 0.0);
  EXPECT_EQ(Run("TAN(PI/2)").evalCode, kNumberOutOfRange);
  EXPECT_EQ(Run("SIN(-3*PI)").value, 0.0);
  EXPECT_EQ(Run("ASIN(1)").value, 3.141592653589793 / 2);
}

TEST_F(EngineTest, ParsedTreeIsEvaluatedRepeatedly) {
  engine_.SetExpression("x^2+3*x-1");
  ASSERT_EQ(engine_.Parse(), kNoError);
  EXPECT_EQ(engine_.EvaluateAt(2), 9);
  EXPECT_EQ(engine_.EvaluateAt(-3), -1);
  EXPECT_EQ(BoundVariables()[kBoundX].value, -3);
  EXPECT_EQ(engine_.EvaluateAt(1e200), 1e300);  // x^2 overflows
  EXPECT_EQ(engine_.EvaluationError(), kNumberOutOfRange);
  EXPECT_EQ(engine_.EvaluateAt(0.5), 0.75);
  EXPECT_EQ(engine_.EvaluationError(), kNoError);
}

TEST_F(EngineTest, BoundVariablesAreSharedByEngines) {
  CCalcEngine other;
  other.SetExpression("x*y+z-t");
  ASSERT_EQ(other.Parse(), kNoError);
  engine_.SetExpression("x");
  ASSERT_EQ(engine_.Parse(), kNoError);
  engine_.EvaluateAt(4);
  BoundVariables()[kBoundY].value = 2;
  BoundVariables()[kBoundZ].value = 1;
  BoundVariables()[kBoundT].value = 3;
  EXPECT_EQ(other.Evaluate(), 6);
}

TEST_F(EngineTest, SwitchedOffBoundVariableIsUnknown) {
  SwitchOffBoundVariable(kBoundX);
  EXPECT_EQ(Run("x+1").parseCode, kUnrecognizedFunction);
  EXPECT_EQ(Run("t+1").parseCode, kNoError);
  ResetBoundVariables();
  EXPECT_EQ(Run("x+1").parseCode, kNoError);
  engine_.Modes().boundVariablesEnabled = false;
  EXPECT_EQ(Run("y").parseCode, kUnrecognizedFunction);
}

TEST_F(EngineTest, ValueVariablesAreReadAtEvaluation) {
  int v = engine_.AppendVariable("v", 4);
  engine_.SetExpression("V*2");
  ASSERT_EQ(engine_.Parse(), kNoError);
  EXPECT_EQ(engine_.Evaluate(), 8);
  engine_.Variables()[v].value = 5;
  EXPECT_EQ(engine_.Evaluate(), 10);
  engine_.Variables().clear();  // deleted after parsing
  engine_.Evaluate();
  EXPECT_EQ(engine_.EvaluationError(), kInvalidName);
}

TEST_F(EngineTest, ExpressionVariablesExpandAtParseTime) {
  auto& expressions = engine_.ExpressionVariables();
  expressions.push_back({"b", "1", 0, false});
  expressions.push_back({"a", "2+b", 0, false});
  EXPECT_EQ(Run("a*3").value, 9);  // the formula is one operand: (2+b)*3
  expressions[0].formula = "10";
  EXPECT_EQ(Run("a*3").value, 36);
  expressions[1].formula = "2*c";
  Outcome o = Run("1+a");
  EXPECT_EQ(o.parseCode, kUnrecognizedFunction);
  EXPECT_EQ(o.position, 2);  // shown at the expanded name
  EXPECT_EQ(o.length, 1);
}

TEST_F(EngineTest, CircularExpressionVariablesAreRefused) {
  auto& expressions = engine_.ExpressionVariables();
  expressions.push_back({"b", "a", 0, false});
  expressions.push_back({"a", "2*b", 0, false});
  Outcome o = Run("1+b");
  EXPECT_EQ(o.parseCode, kCircularReference);
  EXPECT_EQ(o.position, 2);
  EXPECT_EQ(o.length, 1);
  expressions[0].formula = "1";
  EXPECT_EQ(Run("a+b").value, 3);  // the same variable twice is no cycle
}

TEST_F(EngineTest, NameResolutionModes) {
  engine_.Modes().autoCreateVariables = true;
  EXPECT_EQ(Run("q+r*2").parseCode, kNoError);
  ASSERT_EQ(engine_.Variables().size(), 2u);
  EXPECT_EQ(engine_.Variables()[0].name, "q");
  engine_.Modes().autoCreateVariables = false;

  engine_.Modes().lenientNames = true;
  Outcome o = Run("foo+1");
  EXPECT_EQ(o.parseCode, kNoError);
  EXPECT_EQ(o.value, 1);
  EXPECT_EQ(engine_.Root().left->kind, NodeKind::Undefined);
  engine_.Modes().lenientNames = false;

  engine_.Modes().everyNameIsVariable = true;
  ASSERT_EQ(Run("m/s").parseCode, kNoError);
  EXPECT_EQ(engine_.Root().left->kind, NodeKind::Variable);
  EXPECT_EQ(engine_.Root().right->token, "s");
  engine_.Modes().everyNameIsVariable = false;

  engine_.Modes().userNamesEnabled = false;
  EXPECT_EQ(Run("c0").parseCode, kUnrecognizedFunction);
}

TEST_F(EngineTest, EvaluateWithoutParsedTreeGivesZero) {
  engine_.SetExpression("1+");
  EXPECT_EQ(engine_.Evaluate(), 0.0);
  EXPECT_EQ(engine_.Parse(), kDanglingOperator);
  EXPECT_EQ(engine_.Evaluate(), 0.0);
  EXPECT_EQ(engine_.EvaluationError(), kDanglingOperator);
}

}  // namespace
}  // namespace orvella::test
