// Hostile input: deep nesting and huge texts fail cleanly instead of exhausting the stack
// or taking quadratic time.
#include <string>

#include "engine_fixture.h"

namespace orvella::test {
namespace {

std::string Nested(int depth, const std::string& open, const std::string& inner,
                   const std::string& close) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += open;
  text += inner;
  for (int i = 0; i < depth; ++i) text += close;
  return text;
}

std::string Chain(int terms, const std::string& term, const std::string& op) {
  std::string text = term;
  text.reserve(static_cast<std::size_t>(terms) * (term.size() + op.size()));
  for (int i = 1; i < terms; ++i) text += op + term;
  return text;
}

TEST_F(EngineTest, HundredThousandNestedParenthesesAreRefused) {
  Outcome o = Run(Nested(100000, "(", "1", ")"));
  EXPECT_EQ(o.parseCode, kOverflow);
  EXPECT_EQ(o.position, kMaxNestingDepth);  // the first parenthesis past the limit
  o = Run(Nested(100000, "(", "1", ""));  // unbalanced as well as deep
  EXPECT_EQ(o.parseCode, kOverflow);
}

TEST_F(EngineTest, NestingUpToTheLimitWorks) {
  Outcome o = Run(Nested(kMaxNestingDepth / 2, "(", "1+1", ")"));
  EXPECT_EQ(o.parseCode, kNoError);
  EXPECT_EQ(o.value, 2);
  o = Run(Nested(300, "SIN(", "0", ")"));
  EXPECT_EQ(o.parseCode, kNoError);
  EXPECT_EQ(o.value, 0);
  o = Run(Chain(900, "1", "+"));
  EXPECT_EQ(o.value, 900);
}

TEST_F(EngineTest, MegabyteExpressionsFailWithoutHanging) {
  const int terms = 500000;  // about 1 MB of text
  for (const char* op : {"+", "*", "^", "-"}) {
    Outcome o = Run(Chain(terms, "1", op));
    EXPECT_EQ(o.parseCode, kOverflow) << op;
  }
  EXPECT_EQ(Run(std::string(1 << 20, '1')).parseCode, kBadNumber);
  EXPECT_EQ(Run(std::string(1 << 20, '(')).parseCode, kOverflow);
  EXPECT_EQ(Run(std::string(1 << 20, ')')).parseCode, kUnbalancedParenthesis);
  EXPECT_EQ(Run(std::string(1 << 20, '!')).parseCode, kOverflow);
  EXPECT_EQ(Run(std::string(1 << 20, 'a')).parseCode, kUnrecognizedFunction);
  EXPECT_EQ(Run("1+" + std::string(1 << 20, ' ') + "1").value, 2);
}

TEST_F(EngineTest, LongArgumentListsParseAndEvaluate) {
  Outcome o = Run("SUM(" + Chain(100000, "1", ",") + ")");
  EXPECT_EQ(o.parseCode, kNoError);
  EXPECT_EQ(o.evalCode, kNoError);
  EXPECT_EQ(o.value, 100000.0);
  o = Run("SUM(" + Chain(100001, "1", ",") + ")");
  EXPECT_EQ(o.parseCode, kWrongArgumentCount);
}

}  // namespace
}  // namespace orvella::test
