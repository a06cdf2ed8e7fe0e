// Base conversion shows the number in a base without changing it; the bit-wise functions
// work on 32-bit integers.
#include <cmath>

#include "engine_fixture.h"

namespace orvella::test {
namespace {

struct ShownCase {
  const char* expression;
  double value;
  const char* text;
};

TEST_F(EngineTest, BaseConversionShowsTheNumberInTheBase) {
  const ShownCase cases[] = {
      {"HEX(255)", 255, "0XFF"},
      {"BIN(5)+1", 6, "0B110"},  // the base reaches the whole result
      {"CB(100, 36)", 100, "2S"},
      {"CONVERTBASE(100, 36.9)", 100, "2S"},  // the base is truncated
      {"OCT(8)", 8, "0O10"},
      {"DEC(0xFF)", 255, "255"},  // a conversion overrides a literal's base
      {"BIN(-1)", -1, "0B11111111111111111111111111111111"},
      {"HEX(255.5)", 255.5, "0XFF  (Warning: truncated from decimal number 255.5)"},
      {"255", 255, "255"},  // the next parse starts without a display base
  };
  for (const ShownCase& c : cases) {
    Outcome o = Run(c.expression);
    ASSERT_EQ(o.evalCode, kNoError) << c.expression;
    EXPECT_EQ(o.value, c.value) << c.expression;
    EXPECT_EQ(o.text, c.text) << c.expression;
  }
}

TEST_F(EngineTest, DecimalConversionUnderAnotherInputBase) {
  engine_.SetInputBase(16);
  EXPECT_EQ(Run("DEC(10)").text, "0D16");  // 10 is read in base 16
}

TEST_F(EngineTest, BaseOutsideTwoToThirtySixIsABadArgument) {
  for (const char* text : {"CB(5, 1)", "CB(5, 37)", "CB(5, -16)", "CB(5, INF)"}) {
    EXPECT_EQ(Run(text).evalCode, kBadArgument) << text;
  }
}

struct BitCase {
  const char* expression;
  double expected;
};

TEST_F(EngineTest, BitwiseOperationsOnThirtyTwoBits) {
  const BitCase cases[] = {
      {"AND(6, 3)", 2},
      {"OR(6, 3)", 7},
      {"XOR(6, 3)", 5},
      {"NOT(5)", -6},
      {"NOT(0)", -1},
      {"AND(-1.9, 7.9)", 7},           // operands truncated toward zero: -1 and 7
      {"XOR(4294967295, 0)", -1},       // an unsigned pattern reads as signed
      {"LSHIFT(1, 33)", 2},             // shift counts mod 32
      {"LSHIFT(1, 31)", -2147483648.0},
      {"LSHIFT(1, -1)", -2147483648.0},  // -1 mod 32 is 31
      {"LSHIFT(3, 31)", -2147483648.0},  // bits beyond 32 are lost
      {"RSHIFT(-8, 1)", -4},            // arithmetic: the sign stays
      {"RSHIFT(-1, 31)", -1},
      {"RSHIFT(8, 32)", 8},
      {"NOT(-2147483648)", 2147483647},
  };
  for (const BitCase& c : cases) {
    Outcome o = Run(c.expression);
    ASSERT_EQ(o.parseCode, kNoError) << c.expression;
    ASSERT_EQ(o.evalCode, kNoError) << c.expression;
    EXPECT_EQ(o.value, c.expected) << c.expression;
  }
}

TEST_F(EngineTest, BitwiseOperandsBeyondThirtyTwoBitsAreRefused) {
  for (const char* text : {"AND(4294967296, 1)", "OR(1, -2147483649)", "NOT(1E20)",
                           "LSHIFT(1, 1E10)", "XOR(INF, 1)"}) {
    EXPECT_EQ(Run(text).evalCode, kNumberOutOfRange) << text;
  }
}

}  // namespace
}  // namespace orvella::test
