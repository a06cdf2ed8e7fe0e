#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "library/constant_table.h"

namespace orvella::test {
namespace {

TEST(ConstantTableTest, RowsInListOrderWithSymbols) {
  auto rows = ConstantRows();
  ASSERT_EQ(rows.size(), 29u);
  EXPECT_STREQ(rows.front().name, "Alpha particle mass");
  EXPECT_STREQ(rows.back().symbol, "R0");
  EXPECT_EQ(FindConstantSymbol("c0"), 26);
  EXPECT_EQ(FindConstantSymbol("C0"), 26);
  EXPECT_EQ(FindConstantSymbol("E"), FindConstantSymbol("e"));
  EXPECT_NE(FindConstantSymbol("eV"), FindConstantSymbol("eC"));
  EXPECT_EQ(rows[FindConstantSymbol("eV")].value, rows[FindConstantSymbol("eC")].value);
  EXPECT_EQ(FindConstantSymbol("speed"), -1);
}

TEST(ConstantTableTest, DescribeText) {
  auto rows = ConstantRows();
  EXPECT_EQ(DescribeConstant(rows[FindConstantSymbol("c0")]),
            "Speed of light in vacuum (299792458 m/s)");
  EXPECT_EQ(DescribeConstant(rows[FindConstantSymbol("e")]),
            "Base of natural logarithm (2.71828182845905 )");
}

TEST_F(EngineTest, ConstantsInExpressions) {
  EXPECT_EQ(Run("c0").value, 299792458);
  EXPECT_EQ(Run("C0").value, 299792458);
  EXPECT_EQ(Run("E").value, 2.718281828459045);
  EXPECT_NEAR(Run("me/mp").value, 5.446170e-4, 5e-10);  // electron to proton mass
  EXPECT_EQ(engine_.Root().left->kind, NodeKind::PredefinedConstant);
}

}  // namespace
}  // namespace orvella::test
