// The worksheet form of a result: display base, input base, prefixes, truncation warning.
#include "engine_fixture.h"

namespace orvella::test {
namespace {

struct ResultCase {
  int inputBase;
  const char* expression;
  const char* shown;
};

TEST_F(EngineTest, ResultTextFollowsDisplayAndInputBase) {
  const ResultCase cases[] = {
      {10, "0xFF", "0XFF"},
      {10, "0xFF/2", "0X7F  (Warning: truncated from decimal number 127.5)"},
      {10, "0o17", "0O17"},
      {10, "0b101", "0B101"},
      {10, "0x10+0b1", "0X11"},        // the highest base of the literals
      {10, "0-0x1", "0XFFFFFFFF"},     // negative values in two's complement
      {10, "0d10", "10"},
      {10, "1/3", "0.333333333333333"},
      {16, "#A+1", "0XB"},             // no display base: the input base
      {16, "0d10", "0D10"},
      {8, "17", "0O17"},
      {3, "12", "12"},                 // other bases have no prefix
      {36, "#Z", "Z"},
      {2, "101*11", "0B1111"},
  };
  for (const ResultCase& c : cases) {
    engine_.SetInputBase(c.inputBase);
    Outcome o = Run(c.expression);
    ASSERT_EQ(o.parseCode, kNoError) << c.expression;
    EXPECT_EQ(o.text, c.shown) << c.expression << " in base " << c.inputBase;
  }
}

TEST_F(EngineTest, ResultTextUsesTheResultFormat) {
  engine_.ResultFormat().SetType(NumberFormatType::Number);
  engine_.ResultFormat().SetDecimalPlaces(3);
  EXPECT_EQ(Run("2/3").text, "0.667");
  engine_.ResultFormat().SetType(NumberFormatType::Currency);
  EXPECT_EQ(Run("1000*1000").text, "1,000,000.00");
}

}  // namespace
}  // namespace orvella::test
