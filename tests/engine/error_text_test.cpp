#include <gtest/gtest.h>

#include "engine/calc_engine.h"

namespace orvella {
namespace {

TEST(ErrorTextTest, MessagesAsShownToUsers) {
  struct Case {
    int code;
    const char* text;
  };
  const Case cases[] = {
      {0, "No error occurred"},
      {1, "Unbalanced parenthesis"},
      {7, "Unrecognized function"},
      {14, "Invalid argument"},  // 14 reads like 45
      {45, "Invalid argument"},
      {46, "Number out of range"},
      {50, "Two few parameters"},
      {51, "Cannot contain other user function(s)"},
      {53, "Unknown Error"},
      {54, "Unknown error code: 54"},
      {-1, "Unknown error code: -1"},
  };
  for (const Case& c : cases) EXPECT_EQ(CCalcEngine::ErrorText(c.code), c.text) << c.code;
}

TEST(ErrorTextTest, EveryCodeHasAMessage) {
  for (int code = 0; code <= kLastErrorCode; ++code) {
    std::string text = ErrorText(code);
    EXPECT_FALSE(text.empty()) << code;
    EXPECT_EQ(text.find("Unknown error code"), std::string::npos) << code;
  }
}

}  // namespace
}  // namespace orvella
