#include "analysis/equation_library.h"

#include <utility>

#include "engine/text_util.h"

namespace orvella {
namespace {

int FindModelIn(const EquationCategory& category, std::string_view name) {
  for (std::size_t i = 0; i < category.models.size(); ++i) {
    if (EqualsNoCase(category.models[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

// "<base> <n>" for the first n from 1 that `taken` refuses.
template <typename Taken>
std::string FirstFreeName(std::string_view base, Taken taken) {
  for (int number = 1;; ++number) {
    std::string name = std::string(base) + " " + std::to_string(number);
    if (!taken(name)) return name;
  }
}

}  // namespace

void EquationLibrary::AddModel(EquationModel model) {
  int category = FindCategory(model.category);
  if (category < 0) {
    NewCategory(model.category);
    category = CategoryCount() - 1;
  }
  std::vector<EquationModel>& models = categories_[category].models;
  const int existing = FindModelIn(categories_[category], model.name);
  if (existing >= 0) {
    models[existing] = std::move(model);
  } else {
    models.push_back(std::move(model));
  }
}

int EquationLibrary::FindCategory(std::string_view name) const {
  for (int i = 0; i < CategoryCount(); ++i) {
    if (EqualsNoCase(categories_[i].name, name)) return i;
  }
  return -1;
}

std::optional<ModelPosition> EquationLibrary::FindModel(std::string_view category,
                                                        std::string_view name) const {
  const int at = FindCategory(category);
  if (at < 0) return std::nullopt;
  const int model = FindModelIn(categories_[at], name);
  if (model < 0) return std::nullopt;
  return ModelPosition{at, model};
}

void EquationLibrary::NewCategory(std::string name) {
  categories_.push_back({std::move(name), {}});
}

std::string EquationLibrary::UniqueCategoryName(std::string_view base) const {
  return FirstFreeName(base, [&](const std::string& name) { return FindCategory(name) >= 0; });
}

std::string EquationLibrary::UniqueModelName(int category, std::string_view base) const {
  return FirstFreeName(base, [&](const std::string& name) {
    return ValidCategory(category) && FindModelIn(categories_[category], name) >= 0;
  });
}

bool EquationLibrary::RenameCategory(int category, std::string name) {
  if (!ValidCategory(category)) return false;
  const int existing = FindCategory(name);
  if (existing >= 0 && existing != category) return false;
  // The models keep their category text; loading the library gives them the new name.
  categories_[category].name = std::move(name);
  return true;
}

bool EquationLibrary::RenameModel(int category, int model, std::string name) {
  EquationModel* renamed = Model(category, model);
  if (renamed == nullptr) return false;
  const int existing = FindModelIn(categories_[category], name);
  if (existing == model) return true;
  if (existing >= 0) return false;
  renamed->name = std::move(name);
  return true;
}

void EquationLibrary::RemoveModel(int category, int model) {
  if (Model(category, model) == nullptr) return;
  auto& models = categories_[category].models;
  models.erase(models.begin() + model);
}

void EquationLibrary::RemoveCategory(int category) {
  if (ValidCategory(category)) categories_.erase(categories_.begin() + category);
}

void EquationLibrary::SetEquation(int category, int model, std::string equation) {
  if (EquationModel* changed = Model(category, model)) changed->equation = std::move(equation);
}

void EquationLibrary::SetDescription(int category, int model, std::string description) {
  if (EquationModel* changed = Model(category, model)) {
    changed->description = std::move(description);
  }
}

EquationModel* EquationLibrary::Model(int category, int model) {
  if (!ValidCategory(category)) return nullptr;
  auto& models = categories_[category].models;
  if (model < 0 || model >= static_cast<int>(models.size())) return nullptr;
  return &models[model];
}

}  // namespace orvella
