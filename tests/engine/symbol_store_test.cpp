// The store's operations: the name rules and their codes, user-function validation,
// expression variables with their cycles, and the descriptions of names.
#include "engine/symbol_store.h"
#include "engine_fixture.h"

namespace orvella::test {
namespace {

class SymbolStoreTest : public EngineTest {
 protected:
  SymbolStoreTest() { InstallUserNames(&store_); }
  ~SymbolStoreTest() override { InstallUserNames(nullptr); }

  CalcError DefineFunction(const char* definition) {
    return store_.DefineUserFunction(engine_, definition, true);
  }

  CSymbolStore store_;
};

TEST_F(SymbolStoreTest, UserFunctionDefinitions) {
  ASSERT_EQ(store_.DefineUserFunction(engine_, "f(v) = 1", true), kArgumentsNotMatching);
  struct Case {
    const char* definition;
    CalcError code;
  };
  const Case cases[] = {
      {"f(a) = a^2", kNoError},
      {"area(w, h) = w*h/2", kNoError},
      {"k() = 3*pi", kNoError},             // no parameters, no free names
      {"shift(a) = a + x", kNoError},       // the bound x is no free name
      {"f(x) = x^2", kPredefinedName},      // parameters cannot be x, y, z, t
      {"f(a) = 2", kArgumentsNotMatching},  // every parameter must occur
      {"f(a) = a*b", kArgumentsNotMatching},// and nothing else may
      {"f(a, a) = a", kArgumentsNotMatching},
      {"f(f) = f", kInvalidVariable},
      {"sin(a) = a", kPredefinedName},
      {"2f(a) = a", kInvalidName},
      {"f(a b) = a", kInvalidName},
      {"f a = a", kBadArgument},            // no NAME(parameters)
      {"(a) = a", kBadArgument},
      {"f(a) a", kMissingEqualSign},
      {"f(a) =", kDanglingEqualSign},
      {"= a", kDanglingEqualSign},
      {"g(a) = f(a)+1", kContainsUserFunction},
      {"e(a) = a", kNameExists},            // e is a predefined constant
      {"g(a) = (a", kUnbalancedParenthesis},
  };
  for (const Case& c : cases) EXPECT_EQ(DefineFunction(c.definition), c.code) << c.definition;
  EXPECT_EQ(store_.UserFunctions().size(), 4u);
  EXPECT_EQ(store_.DefineUserFunction(engine_, "f(b) = b+1", false), kNameExists);
}

TEST_F(SymbolStoreTest, UserFunctionCallsUseTheirOwnEngine) {
  ASSERT_EQ(DefineFunction("area(w, h) = w*h/2"), kNoError);
  ASSERT_EQ(DefineFunction("sq(q) = q^2"), kNoError);
  EXPECT_EQ(Run("area(3, 4) + sq(2)").value, 10);
  EXPECT_EQ(Run("AREA(1,2,3)").parseCode, kWrongArgumentCount);
  engine_.SetAngleMode(AngleMode::Degrees);
  ASSERT_EQ(DefineFunction("s(a) = SIN(a)"), kNoError);
  EXPECT_DOUBLE_EQ(Run("s(30)").value, 0.5);  // in the angle mode of the caller
  const CUserFunction& area = *store_.UserFunctions()[0];
  EXPECT_EQ(area.Header(), "area(w, h)");
  EXPECT_EQ(area.Definition(), "area(w, h) = w*h/2");
  EXPECT_EQ(area.Parameters(), (std::vector<std::string>{"w", "h"}));
  ASSERT_EQ(store_.ReplaceUserFunction(engine_, 0, "area(b, h) = b*h"), kNoError);
  EXPECT_EQ(Run("area(3, 4)").value, 12);
  EXPECT_EQ(store_.ReplaceUserFunction(engine_, 0, "sq(a) = a"), kNameExists);
  store_.DeleteUserFunction(0);
  EXPECT_EQ(Run("area(3, 4)").parseCode, kUnrecognizedFunction);
}

TEST_F(SymbolStoreTest, NameRulesAndClashes) {
  ASSERT_EQ(store_.AddOrSetVariable(engine_, "v", 1, false), kNoError);
  EXPECT_EQ(store_.AddOrSetVariable(engine_, "V", 2, false), kNameExists);
  EXPECT_EQ(store_.AddOrSetVariable(engine_, "v", 2, true), kNoError);
  EXPECT_EQ(engine_.Variables()[0].value, 2);
  EXPECT_EQ(store_.DefineExpressionVariable(engine_, "v", "1", true), kNameExists);
  EXPECT_EQ(store_.AddOrSetVariable(engine_, "e", 1, true), kNameExists);
  EXPECT_EQ(store_.AddOrSetVariable(engine_, "pi", 3, true), kPredefinedName);
  EXPECT_EQ(store_.AddOrSetVariable(engine_, "t", 3, true), kPredefinedName);
  EXPECT_EQ(store_.AddOrSetVariable(engine_, "1v", 3, true), kInvalidName);
  EXPECT_EQ(store_.AddOrSetVariable(engine_, "my var", 3, true), kInvalidName);
  SwitchOffBoundVariable(kBoundT);
  EXPECT_EQ(store_.AddOrSetVariable(engine_, "t", 3, true), kNoError);  // t switched off
  ResetBoundVariables();
  ASSERT_EQ(DefineFunction("f(a) = a"), kNoError);
  EXPECT_EQ(store_.AddOrSetVariable(engine_, "F", 1, true), kNameExists);
  EXPECT_EQ(store_.AddUserConstant(engine_, "Answer", "", "f", 42), kNameExists);
  ASSERT_EQ(store_.AddUserConstant(engine_, "Earth gravity", "m/s^2", "g", 9.81), kNoError);
  EXPECT_EQ(store_.AddUserConstant(engine_, "Other", "", "G", 1), kNameExists);
  EXPECT_EQ(DefineFunction("g(a) = a"), kNameExists);
  EXPECT_EQ(store_.AddUserConstant(engine_, "No symbol", "", "", 7), kNoError);  // no checks
  EXPECT_EQ(store_.AddUserConstant(engine_, "Again", "", " ", 8), kNoError);
  EXPECT_EQ(Run("g*2").value, 19.62);
  EXPECT_EQ(store_.RenameVariable(engine_, 0, "g"), kNameExists);
  EXPECT_EQ(store_.RenameVariable(engine_, 0, "w"), kNoError);
  EXPECT_EQ(store_.RenameVariable(engine_, 5, "w"), kInvalidName);
  EXPECT_EQ(store_.RenameUserConstant(engine_, 0, "grav"), kNoError);
  EXPECT_EQ(Run("grav").value, 9.81);
}

TEST_F(SymbolStoreTest, ExpressionVariablesKeepTheirFormulaOnFailure) {
  ASSERT_EQ(store_.DefineExpressionVariable(engine_, "b", "1", true), kNoError);
  ASSERT_EQ(store_.DefineExpressionVariable(engine_, "a", "2*b", true), kNoError);
  EXPECT_EQ(store_.DefineExpressionVariable(engine_, "b", "a", true), kCircularReference);
  EXPECT_EQ(engine_.ExpressionVariables()[0].formula, "1");
  EXPECT_EQ(store_.DefineExpressionVariable(engine_, "c", "2*zz", true), kUnrecognizedFunction);
  EXPECT_EQ(engine_.ExpressionVariables().size(), 2u);  // the new entry is gone again
  EXPECT_EQ(store_.DefineExpressionVariable(engine_, "a", "3", false), kNameExists);

  ASSERT_EQ(store_.EvaluateExpressionVariable(engine_, 1), kNoError);
  EXPECT_TRUE(engine_.ExpressionVariables()[1].cacheValid);
  EXPECT_EQ(engine_.ExpressionVariables()[1].cachedValue, 2);
  ASSERT_EQ(store_.SetExpressionVariableFormula(engine_, 0, "5"), kNoError);
  EXPECT_FALSE(engine_.ExpressionVariables()[1].cacheValid);  // every cache is stale now
  EXPECT_EQ(Run("a").value, 10);  // always computed from the current formula

  ASSERT_EQ(store_.RenameExpressionVariable(engine_, 0, "base"), kNoError);
  EXPECT_EQ(Run("a").parseCode, kUnrecognizedFunction);  // formulas are not rewritten
  EXPECT_EQ(store_.RenameExpressionVariable(engine_, 0, "a"), kNameExists);
}

TEST_F(SymbolStoreTest, StoreChecksLeaveTheEnginesExpression) {
  engine_.SetExpression("1+2");
  ASSERT_EQ(store_.DefineExpressionVariable(engine_, "q", "4", true), kNoError);
  EXPECT_EQ(engine_.Expression(), "1+2");
}

TEST_F(SymbolStoreTest, Descriptions) {
  ASSERT_EQ(DefineFunction("f(a) = a+1"), kNoError);
  ASSERT_EQ(store_.AddUserConstant(engine_, "Earth gravity", "m/s^2", "g", 9.81), kNoError);
  ASSERT_EQ(store_.DefineExpressionVariable(engine_, "ex", "2*3", true), kNoError);
  ASSERT_EQ(store_.AddOrSetVariable(engine_, "v", 0.1, true), kNoError);
  struct Case {
    const char* name;
    DescribedKind kind;
    const char* text;
  };
  const Case cases[] = {
      {"logn", DescribedKind::kBuiltInFunction, "LOGN(n, x)"},
      {"c0", DescribedKind::kPredefinedConstant, "Speed of light in vacuum (299792458 m/s)"},
      {"F", DescribedKind::kUserFunction, "f(a) = a+1"},
      {"g", DescribedKind::kUserConstant, "Earth gravity (9.81 m/s^2)"},
      {"ex", DescribedKind::kExpressionVariable, "'2*3'"},
      {"v", DescribedKind::kValueVariable, "0.1"},
      {"nothing", DescribedKind::kUnknown, ""},
  };
  for (const Case& c : cases) {
    Description d = store_.Describe(engine_, c.name);
    EXPECT_EQ(d.kind, c.kind) << c.name;
    EXPECT_EQ(d.text, c.text) << c.name;
  }
}

}  // namespace
}  // namespace orvella::test
