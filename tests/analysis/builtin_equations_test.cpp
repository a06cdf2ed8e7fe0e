// The built-in regression equations: three categories in a fixed order, the polynomial
// family built by its rule, the long descriptions and the previews.
#include <gtest/gtest.h>

#include <string>

#include "analysis/builtin_equations.h"
#include "analysis/equation_library.h"

namespace orvella {
namespace {

// "a+b*x" then "+c*x^2" up to the order: the letter for x^j is the (j+1)-th one.
std::string Polynomial(int order) {
  std::string text = "a+b*x";
  for (int j = 2; j <= order; ++j) {
    text += "+" + std::string(1, static_cast<char>('a' + j)) + "*x^" + std::to_string(j);
  }
  return text;
}

class BuiltInLibraryTest : public ::testing::Test {
 protected:
  BuiltInLibraryTest() { FillBuiltInLibrary(library); }

  const EquationModel& Model(std::string_view category, std::string_view name) {
    const auto found = library.FindModel(category, name);
    EXPECT_TRUE(found.has_value()) << name;
    static const EquationModel kMissing;
    if (!found) return kMissing;
    return library.Categories()[found->category].models[found->model];
  }

  EquationLibrary library;
};

TEST_F(BuiltInLibraryTest, ThreeCategoriesInOrder) {
  ASSERT_EQ(library.CategoryCount(), 3);
  const char* names[] = {"Classic equations", "Polynomial Equations", "Bacterial Growth"};
  const std::size_t counts[] = {14, 18, 2};
  int models = 0;
  for (int i = 0; i < 3; ++i) {
    const EquationCategory& category = library.Categories()[i];
    EXPECT_EQ(category.name, names[i]);
    EXPECT_EQ(category.models.size(), counts[i]) << names[i];
    for (const EquationModel& model : category.models) {
      EXPECT_EQ(model.category, category.name) << model.name;
      ++models;
    }
  }
  // Every row is a model of its own: no name repeats within its category.
  EXPECT_EQ(models, kBuiltInEquationCount);
  EXPECT_EQ(static_cast<int>(BuiltInEquations().size()), kBuiltInEquationCount);

  const auto& classic = library.Categories()[0].models;
  EXPECT_EQ(classic.front().name, "Exponential curve");
  EXPECT_EQ(classic[6].name, "Sine wave");
  EXPECT_EQ(classic.back().name, "One site competition");
  EXPECT_EQ(library.Categories()[2].models[0].name, "Dval with shoulder");
  EXPECT_EQ(library.Categories()[2].models[1].name, "Gompertz");
}

TEST_F(BuiltInLibraryTest, PolynomialsFollowTheirRule) {
  const auto& polynomials = library.Categories()[1].models;
  ASSERT_EQ(polynomials.size(), 18u);
  const char* firstNames[] = {"1st order polynomial (line)", "2nd order polynomial (quadratic)",
                              "3rd order polynomial (cubic)"};
  for (int order = 1; order <= 18; ++order) {
    const EquationModel& model = polynomials[order - 1];
    const std::string name =
        order <= 3 ? firstNames[order - 1] : std::to_string(order) + "th order polynomial";
    EXPECT_EQ(model.name, name);
    EXPECT_EQ(model.equation, Polynomial(order)) << name;
    EXPECT_EQ(model.description, "") << name;
    EXPECT_EQ(model.preview, "") << name;
  }
  EXPECT_EQ(polynomials.back().equation.substr(polynomials.back().equation.size() - 14),
            "+r*x^17+s*x^18");
}

TEST_F(BuiltInLibraryTest, TextsAndPreviews) {
  const EquationModel& exponential = Model("Classic equations", "Exponential curve");
  EXPECT_EQ(exponential.equation, "a*exp(b*x)");
  EXPECT_EQ(exponential.description, "Exponential equation");
  EXPECT_EQ(exponential.preview, "exp(x)|0|10");

  const std::string d1 =
      "This describes the binding of a ligand to a receptor that follows the law of mass "
      "action. Bmax is the maximal binding, and Kd is the concentration of ligand required to "
      "reach half-maximal binding.";
  const std::string d2 =
      "X is the logarithm of concentration. Y is the response Y starts at Bottom and goes to "
      "Top with a sigmoid shape.";
  EXPECT_EQ(Model("Classic equations", "One site binding").description, d1);
  EXPECT_EQ(Model("Classic equations", "Two site binding (hyperbola)").description, d1);
  EXPECT_EQ(Model("Classic equations", "Sigmoidal dose-response").description, d2);
  EXPECT_EQ(Model("Classic equations", "Sigmoidal dose-response (variable slope)").description,
            d2 + " This is identical the the four parameter logistic equation");
  EXPECT_EQ(Model("Classic equations", "One site competition").description,
            "Competition of radioligand binding to single binding site identified with a "
            "radiolabelled ligand. Enter data with X=log(Concentration) and Y=binding.");

  const EquationModel& gompertz = Model("Bacterial Growth", "Gompertz");
  EXPECT_EQ(gompertz.equation, "N0+C*exp(-exp((2.718*mue/C)*(Lag-X)+1))");
  EXPECT_EQ(gompertz.description, "For fitting bacterial growth data (sigmoidal)");
  EXPECT_EQ(Model("Classic equations", "Gaussian distribution").preview,
            "(10/(3*(2*pi)^0.5))*exp(-0.5*((X-0)/3)^2)|-10|10");

  // Eleven models have a preview, each an expression with a lower and an upper end.
  int previews = 0;
  for (const EquationCategory& category : library.Categories()) {
    for (const EquationModel& model : category.models) {
      if (model.preview.empty()) continue;
      ++previews;
      const std::size_t first = model.preview.find('|');
      const std::size_t second = model.preview.find('|', first + 1);
      ASSERT_NE(second, std::string::npos) << model.name;
      EXPECT_LT(std::stod(model.preview.substr(first + 1, second - first - 1)),
                std::stod(model.preview.substr(second + 1)))
          << model.name;
    }
  }
  EXPECT_EQ(previews, 11);
}

}  // namespace
}  // namespace orvella
