#include <gtest/gtest.h>

#include "cli/calc_options.h"

namespace orvella::cli {
namespace {

TEST(CalcOptionsTest, SettingsFromArguments) {
  ParsedOptions parsed = ParseCalcOptions(
      {"--batch", "--angle=deg", "--format", "scientific", "--places=3", "--base=16",
       "--decimal-comma"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  const CalcOptions& o = *parsed.options;
  EXPECT_TRUE(o.batch);
  EXPECT_EQ(o.angleMode, AngleMode::Degrees);
  EXPECT_EQ(o.format, NumberFormatType::Scientific);
  EXPECT_EQ(o.decimalPlaces, 3);
  EXPECT_EQ(o.inputBase, 16);
  EXPECT_EQ(o.convention, Convention::DecimalComma);

  CCalcEngine engine;
  ApplyOptions(o, engine);
  EXPECT_EQ(engine.GetAngleMode(), AngleMode::Degrees);
  EXPECT_EQ(engine.ResultFormat().DecimalPlaces(), 3);
  EXPECT_EQ(engine.InputBase(), 16);
}

TEST(CalcOptionsTest, WrongArgumentsAreRefused) {
  for (auto arguments : std::vector<std::vector<std::string>>{
           {"--places=17"}, {"--places=two"}, {"--base=1"}, {"--base"}, {"--angle=turns"},
           {"--format=fancy"}, {"--frobnicate"}, {"2+3"}}) {
    ParsedOptions parsed = ParseCalcOptions(arguments);
    EXPECT_FALSE(parsed.options) << arguments[0];
    EXPECT_FALSE(parsed.error.empty()) << arguments[0];
  }
}

}  // namespace
}  // namespace orvella::cli
