// The function table as the parser and the function lists read it.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "engine/locale_chars.h"
#include "engine/text_util.h"
#include "library/function_table.h"

namespace orvella {
namespace {

TEST(FunctionTableTest, RowsAreSortedWithoutRegardToCaseAndFitTheirFields) {
  auto rows = FunctionRows();
  ASSERT_EQ(rows.size(), 134u);
  std::set<std::string> categories(FunctionCategories().begin(), FunctionCategories().end());
  EXPECT_EQ(categories.size(), 13u);
  std::set<std::string> names;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const FunctionRow& row = rows[i];
    if (i > 0) EXPECT_LT(CompareNoCase(rows[i - 1].name, row.name), 0) << row.name;
    EXPECT_TRUE(names.insert(row.name).second) << row.name << " twice";
    EXPECT_EQ(ToUpperAscii(row.name), row.name);
    EXPECT_LE(std::strlen(row.name), 19u) << row.name;
    EXPECT_LE(std::strlen(row.category), 29u) << row.name;
    EXPECT_LE(std::strlen(row.argumentText), 49u) << row.name;
    EXPECT_LE(std::strlen(row.description), 99u) << row.name;
    EXPECT_TRUE(categories.count(row.category)) << row.name;
  }
  EXPECT_STREQ(rows.front().name, "ABS");
  EXPECT_STREQ(rows.back().name, "ZETA");
}

TEST(FunctionTableTest, LookupAndPredefinedNames) {
  const FunctionRow* sin = LookupFunction("sin");
  ASSERT_NE(sin, nullptr);
  EXPECT_EQ(sin->id, 10);
  EXPECT_EQ(LookupFunction("ARCSIN")->id, LookupFunction("ASIN")->id);  // synonyms
  EXPECT_EQ(LookupFunction("sine"), nullptr);
  EXPECT_TRUE(IsBuiltInName(" pi "));
  EXPECT_TRUE(IsBuiltInName("Plot3d"));
  EXPECT_FALSE(IsBuiltInName("x"));
  const FunctionRow* sum = LookupFunction("SUM");
  EXPECT_TRUE(sum->HasVariableArgumentCount());
  EXPECT_EQ(sum->MinimumCount(), 1);
  EXPECT_EQ(sum->MaximumCount(), 100000);
  EXPECT_EQ(LookupFunction("RATE")->MaximumCount(), 6);
  EXPECT_EQ(LookupFunction("PLOT")->id, 135);
}

TEST(FunctionTableTest, TextsAreKeptAsStored) {
  EXPECT_STREQ(LookupFunction("ARCTANH")->description,
               "Returns the inverse hypergolic tangent of x");
  EXPECT_STREQ(LookupFunction("MAX")->description, "Calculates the maximum of the arugments");
  EXPECT_STREQ(LookupFunction("FRESNELS")->description, "Returns the Fresnel integral C(x)");
  EXPECT_STREQ(LookupFunction("TDIST")->category, "Statistical");
}

TEST(FunctionTableTest, RowsByCategoryAreAlphabetical) {
  std::vector<std::string> solver;
  for (const FunctionRow* row : FunctionRowsInCategory("Solver")) solver.push_back(row->name);
  EXPECT_EQ(solver, (std::vector<std::string>{"FDIFF", "FINT", "FSUM", "FZERO"}));
  std::size_t total = 0;
  for (const char* category : FunctionCategories()) total += FunctionRowsInCategory(category).size();
  EXPECT_EQ(total, 134u);
}

TEST(FunctionTableTest, CallTextUsesTheCurrentSeparator) {
  const FunctionRow& pv = *LookupFunction("PV");
  {
    ScopedConvention us(kUsConvention);
    EXPECT_EQ(FunctionCallText(pv), "PV(rate, nper, pmt, [fv=0], [type=0])");
    EXPECT_EQ(FunctionCallText(*LookupFunction("PI")), "PI");
  }
  ScopedConvention french(kFrenchConvention);
  EXPECT_EQ(FunctionCallText(*LookupFunction("LOGN")), "LOGN(n; x)");
  EXPECT_EQ(ShownArgumentCount(pv), 5);
}

}  // namespace
}  // namespace orvella
