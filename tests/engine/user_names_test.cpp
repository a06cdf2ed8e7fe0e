// The seam to the user's definitions: calls of user functions and user constants go
// through the installed UserNames, in the resolution order of names.
#include <string>
#include <vector>

#include "engine/user_names.h"
#include "engine/text_util.h"
#include "engine_fixture.h"

namespace orvella::test {
namespace {

// One user function "sq(a) = a*a" and user constants by symbol.
class FakeUserNames : public UserNames {
 public:
  int FindFunction(std::string_view name) const override { return EqualsNoCase(name, "sq") ? 0 : -1; }
  int FunctionParameterCount(int) const override { return 1; }
  CalcError PrepareFunction(int) override {
    ++prepared;
    return prepareCode;
  }
  CalcError CallFunction(int, const double* args, int count, AngleMode, double& result) override {
    calls.assign(args, args + count);
    result = args[0] * args[0];
    return kNoError;
  }
  int FindConstant(std::string_view symbol) const override {
    for (std::size_t i = 0; i < constants.size(); ++i) {
      if (EqualsNoCase(constants[i].first, symbol)) return static_cast<int>(i);
    }
    return -1;
  }
  int ConstantCount() const override { return static_cast<int>(constants.size()); }
  double ConstantValue(int index) const override { return constants[index].second; }

  int prepared = 0;
  CalcError prepareCode = kNoError;
  std::vector<double> calls;
  std::vector<std::pair<std::string, double>> constants = {{"g", 9.81}, {"e", 5}};
};

class UserNamesTest : public EngineTest {
 protected:
  UserNamesTest() { InstallUserNames(&names_); }
  ~UserNamesTest() override { InstallUserNames(nullptr); }
  FakeUserNames names_;
};

TEST_F(UserNamesTest, UserFunctionCallIsParsedAndEvaluated) {
  Outcome o = Run("SQ(1+2)+1");
  ASSERT_EQ(o.parseCode, kNoError);
  EXPECT_EQ(o.value, 10);
  EXPECT_EQ(names_.prepared, 1);  // the body is parsed when a call is parsed
  EXPECT_EQ(names_.calls, std::vector<double>{3});
  EXPECT_TRUE(engine_.CalledUserFunction());
  EXPECT_EQ(engine_.Root().left->op, kOpUserFunction);
}

TEST_F(UserNamesTest, UserFunctionArgumentCountIsItsParameterCount) {
  Outcome o = Run("sq(1,2)");
  EXPECT_EQ(o.parseCode, kWrongArgumentCount);
  EXPECT_EQ(o.position, 3);
  names_.prepareCode = kUnrecognizedFunction;
  EXPECT_EQ(Run("sq(2)").parseCode, kUnrecognizedFunction);
}

TEST_F(UserNamesTest, PredefinedConstantsComeBeforeUserConstants) {
  EXPECT_EQ(Run("g*2").value, 19.62);
  EXPECT_EQ(Run("e").value, 2.718281828459045);  // the predefined e shadows the user's
  EXPECT_EQ(engine_.Root().kind, NodeKind::PredefinedConstant);
}

TEST_F(UserNamesTest, DeletedUserConstantFailsAtEvaluation) {
  engine_.SetExpression("g");
  ASSERT_EQ(engine_.Parse(), kNoError);
  names_.constants.clear();
  engine_.Evaluate();
  EXPECT_EQ(engine_.EvaluationError(), kInvalidName);
}

}  // namespace
}  // namespace orvella::test
