// Named regression equations grouped in categories: the built-in library the nonlinear
// fit offers and the user's own, which the user extends. Names compare without regard to
// letter case.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvella {

struct EquationModel {
  std::string category;
  std::string name;
  std::string equation;  // y = f(x; parameters), the right-hand side only
  std::string description;
  // Empty, or "expression|low|high": what the model browser plots as a preview.
  std::string preview;
};

struct EquationCategory {
  std::string name;
  std::vector<EquationModel> models;
};

struct ModelPosition {
  int category;
  int model;
};

class EquationLibrary {
 public:
  const std::vector<EquationCategory>& Categories() const { return categories_; }
  int CategoryCount() const { return static_cast<int>(categories_.size()); }

  // Into the category named model.category (appended when there is none), replacing the
  // model of the same name or appended after the others.
  void AddModel(EquationModel model);
  int FindCategory(std::string_view name) const;
  std::optional<ModelPosition> FindModel(std::string_view category, std::string_view name) const;

  // The caller has made the name unique.
  void NewCategory(std::string name);
  // "<base> 1", "<base> 2", ...: the first that no category (or no model of `category`) has.
  std::string UniqueCategoryName(std::string_view base) const;
  std::string UniqueModelName(int category, std::string_view base) const;

  // False when another category or model has the name. A category takes the new spelling
  // of its own name, a model keeps its own. Models keep the category text they had.
  bool RenameCategory(int category, std::string name);
  bool RenameModel(int category, int model, std::string name);
  void RemoveModel(int category, int model);
  void RemoveCategory(int category);
  void SetEquation(int category, int model, std::string equation);
  void SetDescription(int category, int model, std::string description);

  void Clear() { categories_.clear(); }

 private:
  bool ValidCategory(int category) const { return category >= 0 && category < CategoryCount(); }
  EquationModel* Model(int category, int model);

  std::vector<EquationCategory> categories_;
};

}  // namespace orvella
