// The equation library's operations: categories made on demand, replacement by name,
// unique names and the rename rules.
#include <gtest/gtest.h>

#include "analysis/equation_library.h"

namespace orvella {
namespace {

EquationModel Model(std::string category, std::string name, std::string equation) {
  return {std::move(category), std::move(name), std::move(equation), "", ""};
}

TEST(EquationLibraryTest, AddModelMakesCategoriesAndReplacesByName) {
  EquationLibrary library;
  library.AddModel(Model("Growth", "Linear", "a+b*x"));
  library.AddModel(Model("Decay", "Exp", "a*exp(-b*x)"));
  library.AddModel(Model("growth", "LINEAR", "a*x"));
  library.AddModel(Model("Growth", "Square", "a*x^2"));

  ASSERT_EQ(library.CategoryCount(), 2);
  const EquationCategory& growth = library.Categories()[0];
  EXPECT_EQ(growth.name, "Growth");
  ASSERT_EQ(growth.models.size(), 2u);
  EXPECT_EQ(growth.models[0].name, "LINEAR");
  EXPECT_EQ(growth.models[0].equation, "a*x");

  const auto found = library.FindModel("GROWTH", "square");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->category, 0);
  EXPECT_EQ(found->model, 1);
  EXPECT_FALSE(library.FindModel("Decay", "Linear").has_value());
  EXPECT_EQ(library.FindCategory("nothing"), -1);
}

TEST(EquationLibraryTest, UniqueNamesAndRenames) {
  EquationLibrary library;
  library.NewCategory("New category 1");
  library.AddModel(Model("Mine", "New model 1", "a"));
  library.AddModel(Model("Mine", "Other", "b"));
  EXPECT_EQ(library.UniqueCategoryName("New category"), "New category 2");
  // The browser's base ends in a blank, which the number's blank follows.
  EXPECT_EQ(library.UniqueCategoryName("New Category "), "New Category  1");
  EXPECT_EQ(library.UniqueModelName(1, "New model"), "New model 2");
  EXPECT_EQ(library.UniqueModelName(0, "New model"), "New model 1");

  EXPECT_FALSE(library.RenameCategory(1, "new CATEGORY 1"));
  EXPECT_TRUE(library.RenameCategory(1, "Renamed"));
  EXPECT_EQ(library.Categories()[1].name, "Renamed");
  // The models' category text is brought up to date when the library is loaded again.
  EXPECT_EQ(library.Categories()[1].models[0].category, "Mine");
  EXPECT_TRUE(library.RenameCategory(1, "RENAMED"));
  EXPECT_EQ(library.Categories()[1].name, "RENAMED");

  EXPECT_FALSE(library.RenameModel(1, 1, "NEW MODEL 1"));
  // A model may take its own name, in any case; it keeps its spelling then.
  EXPECT_TRUE(library.RenameModel(1, 1, "OTHER"));
  EXPECT_EQ(library.Categories()[1].models[1].name, "Other");
  EXPECT_FALSE(library.RenameModel(1, 5, "x"));

  library.RemoveModel(1, 0);
  EXPECT_EQ(library.Categories()[1].models.size(), 1u);
  library.RemoveCategory(0);
  library.RemoveCategory(7);
  EXPECT_EQ(library.CategoryCount(), 1);
}

}  // namespace
}  // namespace orvella
